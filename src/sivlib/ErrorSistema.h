#pragma once
// A failure as the platform reports it to a routine's error handler:
// number, description and the component that raised it. Routines hand it
// to an error dialog (MostrarError, TratamientoErrores) and act on the
// answer code; it never travels as an exception.
#include <string>

struct ErrorSistema {
  long numero = 0;
  std::string descripcion;
  std::string origen;

  bool HayError() const { return numero != 0; }
};

// The platform's common error numbers the code acts on.
namespace errores {
constexpr long ArgumentoInvalido = 5;  // invalid procedure call or argument
constexpr long Desbordamiento = 6;
constexpr long ArchivoNoEncontrado = 53;
constexpr long PermisoDenegado = 70;
constexpr long RutaNoEncontrada = 76;
constexpr long FueraDeRango = 9;  // subscript out of range
}  // namespace errores
