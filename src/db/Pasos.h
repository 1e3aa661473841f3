#pragma once
// The error handling of the database members: a routine runs as a list of
// steps; when one fails, the handler's answer decides whether it is
// repeated, skipped, or the routine left (the old "on error: retry /
// resume next / exit"). Nothing is thrown.
#include <functional>
#include <initializer_list>

#include "sivlib/ErrorSistema.h"

enum class Decision { Repetir, Continuar, Salir };

// Answer code of an error dialog: 4 repeat, 5 go on, anything else leave.
Decision DecisionDeRespuesta(int codigo);

using Paso = std::function<ErrorSistema()>;
using Manejador = std::function<Decision(const ErrorSistema&)>;

// Runs the steps in order; false when the handler chose to leave.
bool EjecutarPasos(std::initializer_list<Paso> pasos, const Manejador& manejar);

// The dialog of the record lookups: the description, Abort / Retry /
// Ignore with the critical icon, title "Aviso al Operador".
Decision PreguntarLectura(const ErrorSistema& e);
