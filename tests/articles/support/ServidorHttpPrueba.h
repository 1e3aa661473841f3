#pragma once
// A small HTTP server on the loopback address for the tests of the master
// barcode service: it listens on a port the system picks (so it never
// collides with another run), serves one connection at a time from a thread
// of its own and answers every request the way the test asked. It records
// the request target of every request ("/ws/inicio.php?opcion=...").
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ServidorHttpPrueba {
 public:
  enum class Modo {
    Responder,  // the status and body given
    Retener,    // reads the request and never answers (until the client leaves or the server stops)
    Cortar,     // reads the request and closes the connection without a word
  };

  ServidorHttpPrueba();
  ~ServidorHttpPrueba();
  ServidorHttpPrueba(const ServidorHttpPrueba&) = delete;
  ServidorHttpPrueba& operator=(const ServidorHttpPrueba&) = delete;

  // "http://127.0.0.1:<port>"
  std::string Base() const;
  void Responder(int estado, std::string cuerpo);
  void Retener() { Fijar(Modo::Retener, 0, {}); }
  void Cortar() { Fijar(Modo::Cortar, 0, {}); }
  std::vector<std::string> Pedidos() const;
  // Stops listening and ends the thread: afterwards its port refuses.
  void Detener();

 private:
  void Fijar(Modo modo, int estado, std::string cuerpo);
  void Atender();
  void Servir(int cliente);
  bool EsperarLectura(int fd);  // false when the server is stopping

  int escucha_ = -1;
  int aviso_[2] = {-1, -1};  // written to wake the thread when stopping
  int puerto_ = 0;
  std::atomic<bool> detenido_{false};
  mutable std::mutex m_;
  Modo modo_ = Modo::Responder;
  int estado_ = 200;
  std::string cuerpo_ = "[]";
  std::vector<std::string> pedidos_;
  std::thread hilo_;
};
