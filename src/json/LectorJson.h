#pragma once
// The lenient recursive-descent reader behind the JSON module. One reader
// serves one text; positions are 0-based byte offsets here and are shown
// to the operator as 1-based character positions.
//
// Beyond the lenient rules of the system, the reader guards itself: it
// nests at most `ProfundidadMaxima` objects and arrays, it moves past an
// invalid literal inside an array instead of reading it again, and it stops
// the parse once the error text passes `ErroresMaximo` bytes, so no input
// can exhaust the stack, loop without end or fill the memory with messages.
#include <optional>
#include <string>
#include <string_view>

#include "json/ValorJson.h"
#include "json/cStringBuilder.h"
#include "sivlib/ErrorSistema.h"

namespace JSON {

class LectorJson {
 public:
  static constexpr int ProfundidadMaxima = 512;
  static constexpr size_t ErroresMaximo = 1 << 20;

  // Messages are appended to `errores`.
  LectorJson(std::string_view texto, std::string& errores);

  void SaltarBlancos(size_t& p) const;
  ValorJson LeerValor(size_t& p);
  ValorJson LeerObjeto(size_t& p);
  ValorJson LeerLista(size_t& p);
  ValorJson LeerCadena(size_t& p);
  ValorJson LeerNumero(size_t& p);
  ValorJson LeerLogico(size_t& p);
  ValorJson LeerNulo(size_t& p);
  std::string LeerClave(size_t& p);

  // A conversion that failed while reading a value (a number, a "\u"
  // escape): the platform raises it to the enclosing object or array,
  // which reports it. Readers called on their own leave it here.
  const std::optional<ErrorSistema>& Fallo() const { return fallo_; }

 private:
  void Reportar(const std::string& mensaje);
  void ReportarEn(const char* que, size_t p, std::string_view muestra);
  std::string Posicion(size_t p);
  std::string_view Siguientes(size_t p) const;
  std::string_view Ultimos() const;
  void SaltarLiteral(size_t& p) const;
  bool LeerEscapeUnicode(size_t& p);
  bool EntrarNivel(size_t p);

  std::string_view t_;
  std::string& errores_;
  cStringBuilder cadena_;
  std::optional<ErrorSistema> fallo_;
  int profundidad_ = 0;
  bool abandonado_ = false;
  // Last byte offset turned into a character position, to count on from it.
  size_t cuentaByte_ = 0;
  size_t cuentaCaracteres_ = 0;
};

}  // namespace JSON
