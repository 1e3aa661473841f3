#pragma once
// The rows of an engine's cursor read ahead in blocks into a client-side
// buffer (BufferFilas), for a connection that holds one pending result at a
// time. While its origin still has rows the cursor is pending on the
// connection (TurnoConexion); TraerResto moves the rest into the buffer and
// frees the connection. The reader sees the same rows in the same order,
// and a failure of the origin after the rows read before it.
#include <memory>
#include <vector>

#include "db/motor/AjustesResultados.h"
#include "db/motor/BufferFilas.h"
#include "db/motor/Motor.h"
#include "db/motor/TurnoConexion.h"

class CursorAnticipado : public Cursor {
 public:
  // Reads the first block at once: a result that ends within it never
  // holds the connection.
  CursorAnticipado(std::unique_ptr<Cursor> origen, std::shared_ptr<TurnoConexion> turno, TamanosResultado tamanos);
  ~CursorAnticipado() override;
  const std::vector<CampoInfo>& Campos() const override { return campos_; }
  bool Siguiente(Resultado& r) override;
  Variant Valor(size_t columna) const override;
  // Everything the origin still has goes to the buffer; the origin is let go.
  void TraerResto();
  bool Pendiente() const { return origen_ != nullptr; }

 private:
  void Traer(size_t filas);  // up to `filas` rows from the origin
  void Soltar();             // the origin ends (or fails): the connection is free
  std::unique_ptr<Cursor> origen_;
  std::shared_ptr<TurnoConexion> turno_;
  size_t filasPorBloque_;
  std::vector<CampoInfo> campos_;
  BufferFilas buffer_;
  std::vector<Variant> fila_;
  Resultado fallo_;  // reported once the rows before it have been read
};
