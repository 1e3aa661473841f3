#pragma once
// The platform's run-time failures that this subsystem raises, with the
// numbers and descriptions the platform gives them (Spanish run-time, as on
// the operators' workstations). They travel as ErrorSistema values, never
// as exceptions.
#include <string>

#include "sivlib/ErrorSistema.h"

namespace fallos {

constexpr long ClaveRepetida = 457;
constexpr long TiposNoCoinciden = 13;
constexpr long SinMemoria = 7;

ErrorSistema ArgumentoInvalido(std::string origen);
ErrorSistema Desbordamiento(std::string origen);
ErrorSistema FueraDeRango(std::string origen);
ErrorSistema TiposDistintos(std::string origen);
ErrorSistema Repetida(std::string origen);
ErrorSistema MemoriaInsuficiente(std::string origen);

}  // namespace fallos
