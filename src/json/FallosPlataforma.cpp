#include "json/FallosPlataforma.h"

namespace fallos {

namespace {
ErrorSistema Fallo(long numero, const char* descripcion, std::string origen) {
  return ErrorSistema{numero, descripcion, std::move(origen)};
}
}  // namespace

ErrorSistema ArgumentoInvalido(std::string origen) {
  return Fallo(errores::ArgumentoInvalido, "Argumento o llamada a procedimiento no válida", std::move(origen));
}
ErrorSistema Desbordamiento(std::string origen) {
  return Fallo(errores::Desbordamiento, "Desbordamiento", std::move(origen));
}
ErrorSistema FueraDeRango(std::string origen) {
  return Fallo(errores::FueraDeRango, "El subíndice está fuera del intervalo", std::move(origen));
}
ErrorSistema TiposDistintos(std::string origen) {
  return Fallo(TiposNoCoinciden, "No coinciden los tipos", std::move(origen));
}
ErrorSistema Repetida(std::string origen) {
  return Fallo(ClaveRepetida, "Esta clave ya está asociada con un elemento de esta colección", std::move(origen));
}
ErrorSistema MemoriaInsuficiente(std::string origen) {
  return Fallo(SinMemoria, "Memoria insuficiente", std::move(origen));
}

}  // namespace fallos
