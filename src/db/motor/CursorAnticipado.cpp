#include "db/motor/CursorAnticipado.h"

#include <limits>

CursorAnticipado::CursorAnticipado(std::unique_ptr<Cursor> origen, std::shared_ptr<TurnoConexion> turno,
                                   TamanosResultado tamanos)
    : origen_(std::move(origen)),
      turno_(std::move(turno)),
      filasPorBloque_(tamanos.filasPorBloque),
      campos_(origen_->Campos()),
      buffer_(tamanos.bytesEnMemoria) {
  turno_->Anotar(this);
  Traer(filasPorBloque_);
}

CursorAnticipado::~CursorAnticipado() { Soltar(); }

void CursorAnticipado::Soltar() {
  if (turno_) turno_->Retirar(this);
  origen_.reset();
}

void CursorAnticipado::Traer(size_t filas) {
  std::vector<Variant> fila;
  for (size_t n = 0; origen_ && n < filas; ++n) {
    Resultado r;
    if (!origen_->Siguiente(r)) {
      fallo_ = r;
      Soltar();
      return;
    }
    fila.clear();
    for (size_t c = 0; c < campos_.size(); ++c) fila.push_back(origen_->Valor(c));
    if (Resultado guardado = buffer_.Agregar(std::move(fila)); !guardado.Ok()) {
      // The rest of the result cannot be kept: its reader gets the failure
      // where the rows stop.
      fallo_ = guardado;
      Soltar();
      return;
    }
  }
}

void CursorAnticipado::TraerResto() {
  Traer(std::numeric_limits<size_t>::max());
  Soltar();
}

bool CursorAnticipado::Siguiente(Resultado& r) {
  fila_.clear();
  if (buffer_.Vacio()) Traer(filasPorBloque_);
  Resultado lectura;
  if (buffer_.Sacar(fila_, lectura)) return true;
  if (!lectura.Ok()) fallo_ = lectura;
  if (!fallo_.Ok()) r = fallo_;
  fallo_ = {};
  return false;
}

Variant CursorAnticipado::Valor(size_t c) const { return c < fila_.size() ? fila_[c] : Variant(); }
