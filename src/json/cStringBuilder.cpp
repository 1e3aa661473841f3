#include "json/cStringBuilder.h"

#include <algorithm>

#include "json/FallosPlataforma.h"
#include "sivlib/Utf8.h"
#include "sivlib/Texto.h"

namespace {
constexpr const char* kOrigen = "cStringBuilder";
}

bool cStringBuilder::Fallo(ErrorSistema e) {
  error_ = std::move(e);
  return false;
}

bool cStringBuilder::Exito() {
  error_ = {};
  return true;
}

bool cStringBuilder::ChunkSize(long iChunkSize) {
  if (iChunkSize >= ChunkSizeLimite) return Fallo(fallos::Desbordamiento(kOrigen));
  // A chunk of nothing would never make room: refused instead of growing forever.
  if (iChunkSize < 1) return Fallo(fallos::ArgumentoInvalido(kOrigen));
  chunk_ = iChunkSize;
  return Exito();
}

void cStringBuilder::AsegurarCapacidad(long caracteres) {
  if (caracteres > capacidad_) {
    const long faltan = caracteres - capacidad_;
    capacidad_ += ((faltan + chunk_ - 1) / chunk_) * chunk_;
  }
  // ASCII text takes one byte per character; other text grows the buffer on its own.
  if (buffer_.capacity() < size_t(capacidad_)) buffer_.reserve(size_t(capacidad_));
}

size_t cStringBuilder::ByteDe(long caracter) const {
  if (buffer_.size() == size_t(usados_)) return size_t(caracter);
  return utf8::BytesDeCaracteres(buffer_, size_t(caracter));
}

void cStringBuilder::TheString(std::string_view sThis) {
  if (sThis.empty()) {
    Clear();
    return;
  }
  const long n = long(utf8::ContarCaracteres(sThis));
  AsegurarCapacidad(n);
  buffer_.assign(sThis);
  usados_ = n;
}

void cStringBuilder::Clear() {
  std::string().swap(buffer_);
  usados_ = 0;
  capacidad_ = 0;
}

void cStringBuilder::Append(std::string_view sThis) {
  if (sThis.empty()) return;
  const long n = long(utf8::ContarCaracteres(sThis));
  AsegurarCapacidad(usados_ + n);
  buffer_.append(sThis);
  usados_ += n;
}

void cStringBuilder::AppendNL(std::string_view sThis) {
  Append(sThis);
  Append("\r\n");
}

bool cStringBuilder::Insert(long iIndex, std::string_view sThis) {
  if (iIndex < 0 || iIndex > usados_) return Fallo(fallos::FueraDeRango(kOrigen));
  const long n = long(utf8::ContarCaracteres(sThis));
  AsegurarCapacidad(usados_ + n);
  buffer_.insert(ByteDe(iIndex), sThis);
  usados_ += n;
  return Exito();
}

bool cStringBuilder::Remove(long iIndex, long lLen) {
  if (iIndex < 0 || lLen < 0 || iIndex > usados_ || lLen > usados_ - iIndex)
    return Fallo(fallos::FueraDeRango(kOrigen));
  const size_t desde = ByteDe(iIndex);
  const size_t hasta = ByteDe(iIndex + lLen);
  buffer_.erase(desde, hasta - desde);
  usados_ -= lLen;
  return Exito();
}

long cStringBuilder::Find(std::string_view sToFind, long lStartIndex, ModoComparacion compare) const {
  if (lStartIndex < 1) lStartIndex = 1;
  if (lStartIndex > usados_) return 0;
  const size_t desde = ByteDe(lStartIndex - 1);
  const size_t en =
      compare == ModoComparacion::Texto ? texto::BuscarSinCaso(buffer_, sToFind, desde) : buffer_.find(sToFind, desde);
  if (en == std::string::npos) return 0;
  if (buffer_.size() == size_t(usados_)) return long(en) + 1;
  return long(utf8::ContarCaracteres(std::string_view(buffer_).substr(0, en))) + 1;
}

void cStringBuilder::HeapMinimize() {
  while (capacidad_ - usados_ > chunk_) capacidad_ -= chunk_;
  std::string recortado;
  recortado.reserve(std::max(buffer_.size(), size_t(capacidad_)));
  recortado.append(buffer_);
  buffer_.swap(recortado);
}
