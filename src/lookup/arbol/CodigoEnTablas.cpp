#include "lookup/arbol/CodigoEnTablas.h"

#include "db/DB_Dll.h"
#include "services/TextoSql.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {
constexpr int kTipoTexto = 8;
}

std::optional<TablasDeCodigo> TablasDelCampo(std::string_view campoDevuelto) {
  if (texto::IgualesSinCaso(campoDevuelto, "IDFAMILIA")) return TablasDeCodigo{"IDFAMILIA", {"@admin_V_TA_FAMILIAS"}};
  if (texto::IgualesSinCaso(campoDevuelto, "IDPOSICION")) return TablasDeCodigo{"IDPOSICION", {"MA_POSICIONES"}};
  if (texto::IgualesSinCaso(campoDevuelto, "CODIGO")) return TablasDeCodigo{"CODIGO", {"TA_CCOSTO", "MA_CUENTAS"}};
  return std::nullopt;
}

std::optional<std::string> BuscarCodigo(const TablasDeCodigo& donde, const std::string& codigo, ErrorSistema& error) {
  // The code is pasted between apostrophes: a code holding one must not end the literal.
  const std::string buscado = ComillasDobladas(codigo);
  for (const std::string& tabla : donde.tablas) {
    Recordset rs;
    if (!DB().ExisteEnTabla(tabla, buscado, donde.campo, &rs, kTipoTexto, "", true)) continue;
    const Variant valor = rs.Valor(donde.campo, &error);
    DB().CierraRecordset(rs);
    return SinNulo(valor);
  }
  return std::nullopt;
}
