#include "articles/BaseMaestra.h"

#include <algorithm>

#include "articles/ConsultaHttp.h"
#include "json/Json.h"
#include "services/Configuracion.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/Variant.h"

namespace base_maestra {
namespace {

bool EsBlancoDeRespuesta(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool SoloBlancos(const std::string& s) { return std::all_of(s.begin(), s.end(), EsBlancoDeRespuesta); }

// Characters that may stand in a query value as they are (RFC 3986).
bool SinReservar(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

std::string CodificarPorcentaje(const std::string& valor) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string r;
  for (unsigned char c : valor) {
    if (SinReservar(c)) {
      r += char(c);
    } else {
      r += '%';
      r += kHex[c >> 4];
      r += kHex[c & 15];
    }
  }
  return r;
}

Consulta Error(std::string mensaje) { return {true, std::move(mensaje), {}}; }

std::string Segundos(std::chrono::milliseconds espera) { return Variant(double(espera.count()) / 1000).Texto(); }

Consulta DeRespuesta(const RespuestaHttp& r, std::chrono::milliseconds espera) {
  using R = RespuestaHttp::Resultado;
  if (r.resultado == R::TiempoAgotado)
    return Error("La Base Maestra no respondio en " + Segundos(espera) + " segundos.");
  if (r.resultado == R::FalloRed) return Error("No se pudo consultar la Base Maestra: " + r.error);
  if (!r.Correcta())
    return Error("La Base Maestra respondio con el error HTTP " + texto::Entero(r.estado) +
                 (r.razon.empty() ? "" : " " + r.razon) + ".");
  return InterpretarRespuesta(r.cuerpo);
}

}  // namespace

std::string DireccionConsulta(const std::string& base, const std::string& codigo) {
  std::string raiz = texto::Recortado(base);
  // An address written without its scheme ("maestro:8080") is plain HTTP.
  if (raiz.find("://") == std::string::npos) raiz = "http://" + raiz;
  while (!raiz.empty() && raiz.back() == '/') raiz.pop_back();
  return raiz + "/ws/inicio.php?opcion=GetCodigo&codigo=" + CodificarPorcentaje(texto::Recortado(codigo));
}

std::chrono::milliseconds Espera() {
  double segundos = ValorNumerico(Cfg(kClaveEspera));
  if (!(segundos > 0)) segundos = kEsperaPorDefecto;
  segundos = std::min(segundos, kEsperaMaxima);
  return std::chrono::milliseconds(static_cast<long long>(segundos * 1000));
}

Consulta InterpretarRespuesta(const std::string& cuerpo) {
  // The service wraps its one object in an array, or answers an empty one.
  const std::string texto = QuitarCaracteres(cuerpo, "[", "]");
  if (SoloBlancos(texto)) return Error(kNoExiste);
  const JSON::ValorJson arbol = JSON::ParsearJson(texto);
  if (!arbol.EsObjeto()) return Error("La respuesta de la Base Maestra no es valida.");
  const std::string descripcion = arbol.Miembro("Descripcion").ComoTexto();
  if (texto::Recortado(descripcion).empty()) return Error(kNoExiste);
  return {false, {}, descripcion};
}

Consulta Consultar(const std::string& codigo) {
  const std::string base = texto::Recortado(Cfg(kClaveDireccion));
  if (base.empty())
    return Error("Falta la direccion de la Base Maestra en la configuracion (clave " + std::string(kClaveDireccion) +
                 ").");
  const std::chrono::milliseconds espera = Espera();
  return DeRespuesta(ObtenerHttp(DireccionConsulta(base, codigo), espera), espera);
}

}  // namespace base_maestra
