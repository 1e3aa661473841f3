// Largest and smallest values of a column.
#include "db/DB_Dll.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

constexpr const char* kSinCero = "substring(ltrim(idarticulo),1,1)<>'0'";

// The value read as a number; a number field is taken as it is, so the
// regional decimal separator cannot cut its decimals.
double ComoNumero(const Variant& v) { return v.EsNumero() ? v.Numero() : Val(SinNulo(v)); }

}  // namespace

Variant DB_Dll::BuscaExtremo(const std::string& funcion, const std::string& alias, const std::string& QueTabla,
                             const std::string& QueCampo, const std::string& desdeTabla,
                             std::optional<std::string> Condicion, bool reglaCeros, bool comoLeido, bool recortar,
                             ErrorSistema* error) {
  bool ceroAplicado = false;
  for (;;) {
    const std::string sql = "SELECT " + funcion + "(" + QueCampo + ") AS " + alias + " FROM " + QueTabla + desdeTabla +
                            (Condicion ? " WHERE " + (recortar ? texto::Recortado(*Condicion) : *Condicion) : "");
    Recordset rs;
    if (ErrorSistema e = rs.Open(sql, gCnn.get(), cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1); e.HayError()) {
      if (error) *error = e;
      return Variant();
    }
    if (rs.State() == estado_objeto::Cerrado || rs.BOF()) return Variant();
    const Variant valor = rs.Valor(alias);
    rs.Close();
    // Article codes that begin with zero are not part of the numbering;
    // the rule is applied once, so a column that is not the code cannot loop.
    if (reglaCeros && !ceroAplicado && texto::IgualesSinCaso(QueTabla, "V_MA_ARTICULOS") &&
        texto::Recortado(SinNulo(valor)).starts_with("0")) {
      ceroAplicado = true;
      Condicion = !Condicion || Condicion->empty() ? std::string(" ") + kSinCero : *Condicion + " and " + kSinCero;
      continue;
    }
    return comoLeido ? valor : Variant(ComoNumero(valor));
  }
}

Variant DB_Dll::BuscaMaximo(const std::string& QueTabla, const std::string& QueCampo, std::optional<int> Tipo,
                            std::optional<std::string> Condicion, ErrorSistema* error) {
  return BuscaExtremo("MAX", "MAYOR", QueTabla, QueCampo, "", std::move(Condicion), true, Tipo == 7, true, error);
}

Variant DB_Dll::BuscaMinimo(const std::string& QueTabla, const std::string& QueCampo, std::optional<int>,
                            std::optional<std::string> Condicion, ErrorSistema* error) {
  return BuscaExtremo("MIN", "MENOR", QueTabla, QueCampo, "  with(nolock) ", std::move(Condicion), false, false, true,
                      error);
}

Variant DB_Dll::BuscaUltimoCodigo(const std::string& QueTabla, const std::string& QueCampo, std::optional<int>,
                                  const std::string& Condicion, ErrorSistema* error) {
  std::optional<std::string> c;
  if (!texto::Recortado(Condicion).empty()) c = Condicion;
  return BuscaExtremo("MAX", "MAYOR", QueTabla, QueCampo, "", c, false, false, false, error);
}
