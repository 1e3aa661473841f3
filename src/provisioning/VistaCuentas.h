#pragma once
// The view SS_MA_CUENTAS of the suite's view scripts ("VISTAS" or
// "COMPLETO" in the script's path, with regard to case) is replaced as a
// whole: with confidentiality, each SQL Server login sees only the
// accounts of its user group; without it, every account.
#include <string>

// The batch, replaced when it creates that view.
std::string VistaCuentas(const std::string& lote, const std::string& archivo, bool confidencial);
