#pragma once
// The article registration a list lookup on articles opens with "N&uevo".
// The registration window lives in the articles subsystem and its Qt front
// end registers it here (a lookup without front end has none): it is shown
// modally with the proposed code in its first box and returns the code of
// the article registered, or empty text when none was.
#include <functional>
#include <string>

using AltaArticuloDesdeConsulta = std::function<std::string(const std::string& codigoPropuesto)>;

void RegistrarAltaArticulo(AltaArticuloDesdeConsulta alta);
// The registered one; empty when none.
const AltaArticuloDesdeConsulta& AltaArticuloRegistrada();
