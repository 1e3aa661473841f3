#include "lookup/FilasConsulta.h"

#include <algorithm>
#include <cstring>

#include "sivlib/Texto.h"

namespace {

// Large enough that a block holds thousands of rows, small enough that the
// last, partly used block costs little.
constexpr size_t kBloque = size_t(1) << 20;

// A cell's length is written in 7-bit groups, lowest first; the high bit
// says another group follows.
size_t LargoDeLargo(size_t n) {
  size_t bytes = 1;
  while (n >= 0x80) {
    n >>= 7;
    ++bytes;
  }
  return bytes;
}

char* EscribirLargo(char* p, size_t n) {
  while (n >= 0x80) {
    *p++ = char((n & 0x7F) | 0x80);
    n >>= 7;
  }
  *p++ = char(n);
  return p;
}

const char* LeerLargo(const char* p, size_t& n) {
  n = 0;
  for (int desplazamiento = 0;; desplazamiento += 7) {
    const auto b = static_cast<unsigned char>(*p++);
    n |= size_t(b & 0x7F) << desplazamiento;
    if (!(b & 0x80)) return p;
  }
}

std::string_view SinBlancos(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool EsAscii(std::string_view s) {
  return std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// `s` starts with `mayusculas` (ASCII capitals) ignoring case. A letter
// outside ASCII never equals an ASCII one, so folding ASCII is enough.
bool EmpiezaAscii(std::string_view s, std::string_view mayusculas) {
  if (s.size() < mayusculas.size()) return false;
  for (size_t i = 0; i < mayusculas.size(); ++i) {
    char c = s[i];
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (c != mayusculas[i]) return false;
  }
  return true;
}

}  // namespace

void FilasConsulta::Vaciar(size_t columnas) {
  columnas_ = columnas;
  bloques_.clear();
  filas_.clear();
  estados_.clear();
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

FilasConsulta::Ubicacion FilasConsulta::Guardar(std::span<const std::string_view> celdas) {
  size_t total = 0;
  for (std::string_view c : celdas) total += LargoDeLargo(c.size()) + c.size();
  const Ubicacion u = Reservar(total);
  char* p = bloques_[u.bloque].datos.get() + u.inicio;
  for (std::string_view c : celdas) {
    p = EscribirLargo(p, c.size());
    if (!c.empty()) std::memcpy(p, c.data(), c.size());
    p += c.size();
  }
  return u;
}

void FilasConsulta::Agregar(std::span<const std::string> celdas, uint8_t nivel) {
  vistas_.assign(columnas_, std::string_view());
  for (size_t c = 0; c < columnas_ && c < celdas.size(); ++c) vistas_[c] = celdas[c];
  orden_.push_back(uint32_t(filas_.size()));
  filas_.push_back(Guardar(vistas_));
  estados_.push_back(uint8_t(nivel << 1));
}

std::string_view FilasConsulta::Celda(size_t fila, size_t columna) const {
  if (fila >= filas_.size() || columna >= columnas_) return {};
  const char* p = Dato(filas_[fila]);
  size_t largo = 0;
  for (size_t c = 0; c < columna; ++c) {
    p = LeerLargo(p, largo);
    p += largo;
  }
  p = LeerLargo(p, largo);
  return {p, largo};
}

void FilasConsulta::FijarCelda(size_t fila, size_t columna, std::string_view texto) {
  if (fila >= filas_.size() || columna >= columnas_) return;
  // The row is written anew after the others; blocks never move, so its
  // old cells can be read while it is written.
  const std::string copia(texto);  // `texto` may be one of this row's cells
  vistas_.resize(columnas_);
  for (size_t c = 0; c < columnas_; ++c) vistas_[c] = c == columna ? std::string_view(copia) : Celda(fila, c);
  filas_[fila] = Guardar(vistas_);
}

void FilasConsulta::Marcar(size_t fila, bool marcada) {
  estados_[fila] = uint8_t(marcada ? estados_[fila] | kMarca : estados_[fila] & ~kMarca);
}

size_t FilasConsulta::PosicionDe(size_t fila) const {
  const auto it = std::find(orden_.begin(), orden_.end(), uint32_t(fila));
  return it == orden_.end() ? npos : size_t(it - orden_.begin());
}

void FilasConsulta::Ordenar(size_t columna, bool descendente) {
  if (columna >= columnas_) return;
  std::vector<std::string> claves(filas_.size());
  for (size_t f = 0; f < filas_.size(); ++f) claves[f] = texto::Mayusculas(Celda(f, columna));
  std::stable_sort(orden_.begin(), orden_.end(),
                   [&](uint32_t a, uint32_t b) { return descendente ? claves[b] < claves[a] : claves[a] < claves[b]; });
}

size_t FilasConsulta::Buscar(size_t columna, std::string_view prefijo) const {
  const bool ascii = EsAscii(prefijo);
  const std::string mayusculas = texto::Mayusculas(prefijo);
  for (size_t p = 0; p < orden_.size(); ++p) {
    const std::string_view celda = SinBlancos(Celda(orden_[p], columna));
    if (ascii ? EmpiezaAscii(celda, mayusculas) : texto::EmpiezaSinCaso(celda, prefijo)) return p;
  }
  return npos;
}

size_t FilasConsulta::Memoria() const {
  size_t total = sizeof(*this);
  for (const Bloque& b : bloques_) total += b.capacidad;
  total += bloques_.capacity() * sizeof(Bloque) + filas_.size() * sizeof(Ubicacion) + estados_.size() +
           orden_.size() * sizeof(uint32_t);
  return total;
}
