#pragma once
// A listener on the loopback address that speaks just enough of SQL
// Server's protocol (TDS 7.4) for a test to see what the program's client
// library sends: it answers the pre-login without encryption, reads the
// login record and then either closes (SoloLogin) or accepts the login
// (AceptaLogin) and answers each SQL batch, whose text it keeps: a SELECT
// with one integer column "n" holding 1, 2, ... `filasPorSelect`, anything
// else with an empty "done". One client, on port 0 (any free port); it
// never waits for more than a generous bound, so a test cannot hang on it.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ServidorTdsDePrueba {
 public:
  enum class Modo { SoloLogin, AceptaLogin };
  struct Login {
    bool recibido = false;
    uint32_t version = 0;  // TDS version as the record carries it (0x74000004 for 7.4)
    std::string usuario, aplicacion, servidor, biblioteca, idioma, base;  // UTF-8
  };

  explicit ServidorTdsDePrueba(Modo modo, int filasPorSelect = 5);
  ~ServidorTdsDePrueba();
  ServidorTdsDePrueba(const ServidorTdsDePrueba&) = delete;
  ServidorTdsDePrueba& operator=(const ServidorTdsDePrueba&) = delete;

  int Puerto() const { return puerto_; }
  // After the client has gone (or the bound has passed).
  Login LoginRecibido();
  std::vector<std::string> Lotes();

 private:
  void Atender();
  bool LeerMensaje(int fd, uint8_t& tipo, std::string& datos);
  void Terminar();

  Modo modo_;
  int filas_;
  int escucha_ = -1;
  int puerto_ = 0;
  std::atomic<bool> parar_{false};
  std::mutex m_;
  Login login_;
  std::vector<std::string> lotes_;
  std::thread hilo_;
};
