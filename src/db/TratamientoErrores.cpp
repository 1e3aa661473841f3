// The standard error dialog and its PXERR.LOG line, shared by the database
// object and the rest of the program.
#include "db/TratamientoErrores.h"

#include <cstdio>
#include <cstdlib>

#include "db/DB_Dll.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Entorno.h"
#include "sivlib/FechaHora.h"
#include "sivlib/Operador.h"
#include "sivlib/RegistroErrores.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

constexpr const char* kArchivoRegistro = "PXERR.LOG";

std::string Variable(const char* nombre) {
  const char* v = std::getenv(nombre);
  return v ? v : "";
}

// Creates the file when missing without writing anything.
void Tocar(const std::string& ruta) {
  if (std::FILE* f = std::fopen(ruta.c_str(), "ab")) std::fclose(f);
}

bool HayRutina(const std::optional<std::string>& rutina) { return rutina && !rutina->empty(); }

}  // namespace

namespace tratamiento {

std::string Mensaje(const ErrorSistema& e) {
  return texto::Recortado("Ha ocurrido el Siguiente Error (" + texto::Entero(e.numero) + ") " + e.descripcion);
}

std::string Titulo(const ErrorSistema& e, const std::optional<std::string>& rutina, const std::string& final) {
  return e.origen + (HayRutina(rutina) ? " - " + *rutina : std::string()) + final;
}

int16_t Preguntar(const ErrorSistema& e, std::optional<int> botones, const std::optional<std::string>& rutina,
                  const std::string& final, const std::string& ruta) {
  if (e.numero == 0) return 0;
  const std::string mensaje = Mensaje(e);
  const int respuesta = operador().Mensaje(mensaje, botones.value_or(kBotonesError), Titulo(e, rutina, final));
  // A log that cannot be written loses the line; the answer still counts.
  registro::Anexar(ruta, registro::Linea(FechaHora::Ahora(), HayRutina(rutina) ? *rutina : "", mensaje, respuesta));
  return static_cast<int16_t>(respuesta);
}

}  // namespace tratamiento

std::string RutaRegistroGeneral() {
  std::string carpeta = Variable("TEMP");
  if (texto::Recortado(carpeta).empty()) carpeta = Variable("TMP");
  if (texto::Recortado(carpeta).empty()) carpeta = CarpetaTemporal();
  return ConBarraFinal(texto::Recortado(carpeta)) + kArchivoRegistro;
}

int16_t TratamientoErroresGeneral(const ErrorSistema& CodErr, std::optional<int> Botones,
                                  std::optional<std::string> Rutina) {
  const std::string ruta = RutaRegistroGeneral();
  Tocar(ruta);  // this twin opens its log before looking at the error
  return tratamiento::Preguntar(CodErr, Botones, Rutina, " Aviso al operador!!! - 2 ", ruta);
}

std::string DB_Dll::RutaRegistro() const {
  if (!gLogErr.empty()) return gLogErr;
  return ConBarraFinal(CarpetaAplicacion()) + kArchivoRegistro;
}

int16_t DB_Dll::TratamientoErrores(const ErrorSistema& CodErr, std::optional<int> Botones,
                                   std::optional<std::string> Rutina) {
  return tratamiento::Preguntar(CodErr, Botones, Rutina, " Aviso al operador!!! - 5 ", RutaRegistro());
}
