#pragma once
// The maker's master barcode service: a web service that maps barcodes to
// product descriptions. It is asked with
//   <base address>/ws/inicio.php?opcion=GetCodigo&codigo=<barcode>
// and answers a JSON array holding one object with the member
// "Descripcion", or an empty array when it does not know the barcode.
//
// Settings, in the configuration table (TA_CONFIGURACION):
//   BaseMaestraDireccion  base address, e.g. http://maestro.example.com:8080
//   BaseMaestraEspera     seconds to wait for the answer (default 5)
#include <chrono>
#include <string>

namespace base_maestra {

inline constexpr const char* kClaveDireccion = "BaseMaestraDireccion";
inline constexpr const char* kClaveEspera = "BaseMaestraEspera";
inline constexpr double kEsperaPorDefecto = 5;  // seconds
inline constexpr double kEsperaMaxima = 60;

inline constexpr const char* kNoExiste = "Actualmente el codigo informado no existe en la base maestra";

// The outcome of one question to the service.
struct Consulta {
  bool error = false;
  std::string mensaje;      // why there is no description (error true)
  std::string descripcion;  // as received, untrimmed (error false)
};

// The address of the question for a barcode: the base without its final
// "/" and the barcode trimmed and percent-encoded, so that a blank or an
// "&" inside it reaches the service as the same text.
std::string DireccionConsulta(const std::string& base, const std::string& codigo);
// The waiting time stored in the configuration; a blank, non-positive or
// unreadable value gives the default, and it never exceeds kEsperaMaxima.
std::chrono::milliseconds Espera();
// What a reply body says: the description, not found, or a reply that is
// not the service's JSON.
Consulta InterpretarRespuesta(const std::string& cuerpo);
// Asks the service about a barcode (not blank) with the stored settings.
// A missing base address asks nothing.
Consulta Consultar(const std::string& codigo);

}  // namespace base_maestra
