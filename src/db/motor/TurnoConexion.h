#pragma once
// The results still pending on one connection, oldest first, for a
// connection that allows only so many at once (see MotorUnResultado.h).
#include <cstddef>
#include <vector>

class CursorAnticipado;

class TurnoConexion {
 public:
  void Anotar(CursorAnticipado* cursor) { pendientes_.push_back(cursor); }
  void Retirar(CursorAnticipado* cursor);
  // Makes room for one more activity under `maximo`: the oldest pending
  // results take the rest of their rows into their own buffers.
  void Liberar(size_t maximo);
  size_t Pendientes() const { return pendientes_.size(); }

 private:
  std::vector<CursorAnticipado*> pendientes_;
};
