#include "unifier/LectorFila.h"

#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "unifier/FormatoCampos.h"

namespace vorna {

Variant LectorFila::Valor(const std::string& campo) {
  ErrorSistema e;
  Variant v = rs_.Valor(campo, &e);
  if (e.HayError() && !error_.HayError()) error_ = e;
  return v;
}

std::string LectorFila::Texto(const std::string& campo) { return SinNulo(Valor(campo)); }

std::string LectorFila::TextoNumerico(const std::string& campo) { return TextoParaNumero(Valor(campo)); }

std::string LectorFila::Recortado(const std::string& campo) { return texto::Recortado(Texto(campo)); }

}  // namespace vorna
