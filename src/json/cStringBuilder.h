#pragma once
// Text accumulator that grows in whole chunks instead of re-allocating the
// whole text on every addition; the JSON parser collects its strings with
// it and the script interpreter its output.
//
// Positions and lengths count characters (code points of the UTF-8 text);
// for plain ASCII text they are byte offsets and cost nothing to convert.
// `Capacity` is counted in characters too: it is the room promised before
// the next growth, in whole chunks.
//
// Failures are reported the platform's way, not by exceptions: a member
// that can fail returns false and leaves the content unchanged, and
// `UltimoError()` then holds the run-time error (9 for a position out of
// range, 6 for an oversized chunk, 5 for a chunk size below 1). Every such
// member clears `UltimoError()` when it succeeds.
#include <string>
#include <string_view>

#include "sivlib/ErrorSistema.h"

// How `Find` compares: by exact character codes or without regard to case.
enum class ModoComparacion { Binario = 0, Texto = 1 };

class cStringBuilder {
 public:
  static constexpr long ChunkSizePredeterminado = 8192;
  static constexpr long ChunkSizeLimite = 1L << 30;

  long Length() const { return usados_; }
  long Capacity() const { return capacidad_; }
  long ChunkSize() const { return chunk_; }
  bool ChunkSize(long iChunkSize);

  std::string toString() const { return buffer_; }
  // The content without a copy, valid until the next change.
  std::string_view Vista() const { return buffer_; }
  void TheString(std::string_view sThis);
  void Clear();

  void Append(std::string_view sThis);
  void AppendByVal(std::string sThis) { Append(sThis); }
  void AppendNL(std::string_view sThis);
  bool Insert(long iIndex, std::string_view sThis);
  bool InsertByVal(long iIndex, std::string sThis) { return Insert(iIndex, sThis); }
  bool Remove(long iIndex, long lLen);
  // 1-based position of the first match at or after lStartIndex, or 0.
  long Find(std::string_view sToFind, long lStartIndex = 1, ModoComparacion compare = ModoComparacion::Binario) const;
  void HeapMinimize();

  const ErrorSistema& UltimoError() const { return error_; }

 private:
  void AsegurarCapacidad(long caracteres);
  size_t ByteDe(long caracter) const;
  bool Fallo(ErrorSistema e);
  bool Exito();

  std::string buffer_;  // the content; bytes past it are the spare room
  long usados_ = 0;     // characters of the content
  long capacidad_ = 0;  // characters of room, whole chunks
  long chunk_ = ChunkSizePredeterminado;
  ErrorSistema error_;
};
