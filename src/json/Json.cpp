#include "json/Json.h"

#include <exception>
#include <new>

#include "json/FallosPlataforma.h"
#include "json/LectorJson.h"
#include "sivlib/Utf8.h"

namespace JSON {

namespace {

thread_local std::string gErrores;

// Runs one reader of a LectorJson from a 1-based character position and
// writes the position back the same way.
template <typename Lectura>
auto ConPosicion(std::string_view texto, long& posicion, ErrorSistema* fallo, Lectura lectura) {
  LectorJson lector(texto, gErrores);
  size_t p = utf8::BytesDeCaracteres(texto, posicion > 1 ? size_t(posicion - 1) : 0);
  auto resultado = lectura(lector, p);
  posicion = long(utf8::ContarCaracteres(texto.substr(0, p))) + 1;
  if (fallo && lector.Fallo()) *fallo = *lector.Fallo();
  return resultado;
}

}  // namespace

ValorJson ParsearJson(std::string_view sJSON) {
  gErrores.clear();
  try {
    LectorJson lector(sJSON, gErrores);
    size_t p = 0;
    lector.SaltarBlancos(p);
    if (p < sJSON.size() && sJSON[p] == '{') return lector.LeerObjeto(p);
    if (p < sJSON.size() && sJSON[p] == '[') return lector.LeerLista(p);
    gErrores = "Invalid JSON";
  } catch (const std::bad_alloc&) {
    gErrores += fallos::MemoriaInsuficiente("JSON.ParsearJson").descripcion + "\r\n";
  } catch (const std::exception& e) {
    gErrores += std::string(e.what()) + "\r\n";
  }
  return ValorJson();
}

const std::string& ErroresJson() { return gErrores; }

void SaltarBlancos(std::string_view texto, long& posicion) {
  ConPosicion(texto, posicion, nullptr, [](LectorJson& l, size_t& p) {
    l.SaltarBlancos(p);
    return 0;
  });
}

ValorJson LeerValor(std::string_view texto, long& posicion, ErrorSistema* fallo) {
  return ConPosicion(texto, posicion, fallo, [](LectorJson& l, size_t& p) { return l.LeerValor(p); });
}

ValorJson LeerObjeto(std::string_view texto, long& posicion) {
  return ConPosicion(texto, posicion, nullptr, [](LectorJson& l, size_t& p) { return l.LeerObjeto(p); });
}

ValorJson LeerLista(std::string_view texto, long& posicion) {
  return ConPosicion(texto, posicion, nullptr, [](LectorJson& l, size_t& p) { return l.LeerLista(p); });
}

ValorJson LeerCadena(std::string_view texto, long& posicion, ErrorSistema* fallo) {
  return ConPosicion(texto, posicion, fallo, [](LectorJson& l, size_t& p) { return l.LeerCadena(p); });
}

ValorJson LeerNumero(std::string_view texto, long& posicion, ErrorSistema* fallo) {
  return ConPosicion(texto, posicion, fallo, [](LectorJson& l, size_t& p) { return l.LeerNumero(p); });
}

ValorJson LeerLogico(std::string_view texto, long& posicion) {
  return ConPosicion(texto, posicion, nullptr, [](LectorJson& l, size_t& p) { return l.LeerLogico(p); });
}

ValorJson LeerNulo(std::string_view texto, long& posicion) {
  return ConPosicion(texto, posicion, nullptr, [](LectorJson& l, size_t& p) { return l.LeerNulo(p); });
}

std::string LeerClave(std::string_view texto, long& posicion) {
  return ConPosicion(texto, posicion, nullptr, [](LectorJson& l, size_t& p) { return l.LeerClave(p); });
}

}  // namespace JSON
