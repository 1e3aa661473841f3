#include "lookup/FilasConsulta.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "sivlib/Texto.h"

namespace {

// Large enough that a block holds thousands of rows, small enough that the
// last, partly used block costs little.
constexpr size_t kBloque = size_t(1) << 20;

std::string_view SinBlancos(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

void FilasConsulta::Vaciar(size_t columnas) {
  columnas_ = columnas;
  bloques_.clear();
  filas_.clear();
  finales_.clear();
  marcas_.clear();
  niveles_.clear();
  orden_.clear();
}

FilasConsulta::Ubicacion FilasConsulta::Reservar(size_t largo) {
  if (bloques_.empty() || bloques_.back().usado + largo > bloques_.back().capacidad) {
    Bloque b;
    b.capacidad = std::max(kBloque, largo);
    b.datos = std::make_unique_for_overwrite<char[]>(b.capacidad);
    bloques_.push_back(std::move(b));
  }
  Bloque& b = bloques_.back();
  const Ubicacion u{uint32_t(bloques_.size() - 1), uint32_t(b.usado)};
  b.usado += largo;
  return u;
}

void FilasConsulta::Guardar(size_t fila, const std::vector<std::string_view>& celdas) {
  size_t total = 0;
  for (std::string_view c : celdas) total += c.size();
  const Ubicacion u = Reservar(total);
  char* destino = Dato(u);
  size_t fin = 0;
  for (size_t c = 0; c < columnas_; ++c) {
    if (!celdas[c].empty()) std::memcpy(destino + fin, celdas[c].data(), celdas[c].size());
    fin += celdas[c].size();
    finales_[fila * columnas_ + c] = uint32_t(fin);
  }
  filas_[fila] = u;
}

void FilasConsulta::Agregar(std::span<const std::string> celdas, uint8_t nivel) {
  std::vector<std::string_view> vistas(columnas_);
  for (size_t c = 0; c < columnas_ && c < celdas.size(); ++c) vistas[c] = celdas[c];
  const size_t fila = filas_.size();
  filas_.push_back({});
  finales_.resize(finales_.size() + columnas_);
  Guardar(fila, vistas);
  marcas_.push_back(0);
  niveles_.push_back(nivel);
  orden_.push_back(uint32_t(fila));
}

std::string_view FilasConsulta::Celda(size_t fila, size_t columna) const {
  if (fila >= filas_.size() || columna >= columnas_) return {};
  const uint32_t* fines = finales_.data() + fila * columnas_;
  const uint32_t inicio = columna == 0 ? 0 : fines[columna - 1];
  return {Dato(filas_[fila]) + inicio, fines[columna] - inicio};
}

void FilasConsulta::FijarCelda(size_t fila, size_t columna, std::string_view texto) {
  if (fila >= filas_.size() || columna >= columnas_) return;
  // The row is written anew after the others; blocks never move, so the
  // old cells can be read while it is written.
  std::vector<std::string_view> vistas(columnas_);
  for (size_t c = 0; c < columnas_; ++c) vistas[c] = c == columna ? texto : Celda(fila, c);
  const std::string copia(texto);  // `texto` may be one of this row's cells
  vistas[columna] = copia;
  Guardar(fila, vistas);
}

size_t FilasConsulta::PosicionDe(size_t fila) const {
  const auto it = std::find(orden_.begin(), orden_.end(), uint32_t(fila));
  return it == orden_.end() ? npos : size_t(it - orden_.begin());
}

void FilasConsulta::Ordenar(size_t columna, bool descendente) {
  if (columna >= columnas_) return;
  std::vector<std::string> claves(filas_.size());
  for (size_t f = 0; f < filas_.size(); ++f) claves[f] = texto::Mayusculas(Celda(f, columna));
  std::stable_sort(orden_.begin(), orden_.end(), [&](uint32_t a, uint32_t b) {
    return descendente ? claves[b] < claves[a] : claves[a] < claves[b];
  });
}

size_t FilasConsulta::Buscar(size_t columna, std::string_view prefijo) const {
  for (size_t p = 0; p < orden_.size(); ++p)
    if (texto::EmpiezaSinCaso(SinBlancos(Celda(orden_[p], columna)), prefijo)) return p;
  return npos;
}

size_t FilasConsulta::Memoria() const {
  size_t total = sizeof(*this);
  for (const Bloque& b : bloques_) total += b.capacidad;
  total += bloques_.capacity() * sizeof(Bloque) + filas_.capacity() * sizeof(Ubicacion) +
           finales_.capacity() * sizeof(uint32_t) + marcas_.capacity() + niveles_.capacity() +
           orden_.capacity() * sizeof(uint32_t);
  return total;
}
