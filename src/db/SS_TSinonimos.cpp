// Confidentiality views: restricted users read the SS_ counterparts of the
// sensitive tables. The match is on fixed neighbours (a blank, "(", "," or
// "{" before; a blank or "." after) because the rewrite works on text only.
#include <array>
#include <string_view>

#include "db/DB_Dll.h"
#include "sivlib/Texto.h"
#include "sivlib/ValoresGlobales.h"

namespace {

constexpr std::string_view kMarcaAdmin = "@Admin_";

struct Regla {
  std::string_view buscar, reemplazo;
};

// In this order: the "@Admin_" of a name is removed only after its group's
// rules have run, so a marked reference is never redirected.
constexpr std::array<Regla, 37> kReglas{{
    {" MA_CUENTAS ", " SS_MA_CUENTAS "},
    {"(MA_CUENTAS ", "(SS_MA_CUENTAS "},
    {" MA_CUENTAS.", " SS_MA_CUENTAS."},
    {"(MA_CUENTAS.", "(SS_MA_CUENTAS."},
    {",MA_CUENTAS.", ",SS_MA_CUENTAS."},
    {"{MA_CUENTAS.", "{SS_MA_CUENTAS."},
    {"@Admin_MA_CUENTAS", "MA_CUENTAS"},
    {" V_TA_DEPOSITO ", " SS_V_TA_DEPOSITO "},
    {"(V_TA_DEPOSITO ", "(SS_V_TA_DEPOSITO "},
    {" V_TA_DEPOSITO.", " SS_V_TA_DEPOSITO."},
    {"(V_TA_DEPOSITO.", "(SS_V_TA_DEPOSITO."},
    {",V_TA_DEPOSITO.", ",SS_V_TA_DEPOSITO."},
    {" MV_ASIENTOS ", " SS_MV_ASIENTOS "},
    {"(MV_ASIENTOS ", "(SS_MV_ASIENTOS "},
    {" MV_ASIENTOS.", " SS_MV_ASIENTOS."},
    {"(MV_ASIENTOS.", "(SS_MV_ASIENTOS."},
    {",MV_ASIENTOS.", ",SS_MV_ASIENTOS."},
    {" V_TA_FAMILIAS ", " SS_V_TA_FAMILIAS "},
    {"(V_TA_FAMILIAS ", "(SS_V_TA_FAMILIAS "},
    {" V_TA_FAMILIAS.", " SS_V_TA_FAMILIAS."},
    {"(V_TA_FAMILIAS.", "(SS_V_TA_FAMILIAS."},
    {",V_TA_FAMILIAS.", ",SS_V_TA_FAMILIAS."},
    {" V_TA_CAJAS ", " SS_V_TA_CAJAS "},
    {"(V_TA_CAJAS ", "(SS_V_TA_CAJAS "},
    {" V_TA_CAJAS.", " SS_V_TA_CAJAS."},
    {"(V_TA_CAJAS.", "(SS_V_TA_CAJAS."},
    {",V_TA_CAJAS.", ",SS_V_TA_CAJAS."},
    {" AC_CUENTASDIARIO ", " SS_AC_CUENTASDIARIO "},
    {"(AC_CUENTASDIARIO ", "(SS_AC_CUENTASDIARIO "},
    {" AC_CUENTASDIARIO.", " SS_AC_CUENTASDIARIO."},
    {"(AC_CUENTASDIARIO.", "(SS_AC_CUENTASDIARIO."},
    {",AC_CUENTASDIARIO.", ",SS_AC_CUENTASDIARIO."},
    // The restricted view of the cost-centre journal is spelt with an
    // underscore between CUENTAS and DIARIO in the ERP database.
    {" AC_CUENTASDIARIO_CCOSTO ", " SS_AC_CUENTAS_DIARIO_CCOSTO "},
    {"(AC_CUENTASDIARIO_CCOSTO ", "(SS_AC_CUENTAS_DIARIO_CCOSTO "},
    {" AC_CUENTASDIARIO_CCOSTO.", " SS_AC_CUENTAS_DIARIO_CCOSTO."},
    {"(AC_CUENTASDIARIO_CCOSTO.", "(SS_AC_CUENTAS_DIARIO_CCOSTO."},
    {",AC_CUENTASDIARIO_CCOSTO.", ",SS_AC_CUENTAS_DIARIO_CCOSTO."},
}};

std::string SinMarcaAdmin(std::string_view t) { return texto::ReemplazarSinCaso(t, kMarcaAdmin, ""); }

}  // namespace

std::string DB_Dll::SS_TSinonimos(const std::string& t) const {
  if (gEsAdmin) return SinMarcaAdmin(t);
  // Journal entries are only hidden when the installation asks for it.
  if (texto::ContieneSinCaso(t, "MV_ASIENTOS") && !gConfidencialidad) return SinMarcaAdmin(t);
  std::string r = t;
  for (const Regla& regla : kReglas) r = texto::ReemplazarSinCaso(r, regla.buscar, regla.reemplazo);
  return SinMarcaAdmin(r);
}
