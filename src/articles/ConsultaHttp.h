#pragma once
// One HTTP GET with a deadline of its own, for the services the program
// asks over the network. The call returns only when the reply is complete,
// the request failed, or the deadline passed (then the request is
// abandoned); meanwhile the thread's event loop keeps running, so an open
// window goes on painting and answering. The caller must keep its own
// commands from starting a second request inside the first.
//
// Without an application object (a program or test without windows) one is
// created on first use and kept for the life of the process.
#include <chrono>
#include <string>

struct RespuestaHttp {
  enum class Resultado { Recibida, TiempoAgotado, FalloRed };
  Resultado resultado = Resultado::FalloRed;
  int estado = 0;      // the HTTP status of a reply that arrived
  std::string razon;   // its reason phrase
  std::string cuerpo;  // its body as UTF-8 text (bytes that are not UTF-8 read as Windows-1252)
  std::string error;   // why the request failed (network failures)

  bool Correcta() const { return resultado == Resultado::Recibida && estado >= 200 && estado < 300; }
};

// `direccion` is an absolute http(s) address whose query is already
// percent-encoded.
RespuestaHttp ObtenerHttp(const std::string& direccion, std::chrono::milliseconds espera);
