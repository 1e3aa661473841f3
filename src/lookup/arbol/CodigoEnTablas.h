#pragma once
// Where the tree lookup finds the record of a picked code, by the column the
// caller wants back.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sivlib/ErrorSistema.h"

struct TablasDeCodigo {
  std::string campo;                // the field searched and returned
  std::vector<std::string> tablas;  // searched in this order
};

// "IDFAMILIA": the families table under the administrator marker (restricted
// users too must find every family); "IDPOSICION": the positions;
// "CODIGO": cost centres, then ledger accounts. Any case. Other columns:
// nullopt, the tree has nowhere to look.
std::optional<TablasDeCodigo> TablasDelCampo(std::string_view campoDevuelto);

// The field (without nulls) of the first table whose field, trimmed, equals
// the code trimmed; nullopt when none holds it. A failure reading the field
// comes back in `error`.
std::optional<std::string> BuscarCodigo(const TablasDeCodigo& donde, const std::string& codigo, ErrorSistema& error);
