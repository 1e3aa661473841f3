#include "articles/ResolverArticulo.h"

#include "db/DB_Dll.h"
#include "services/TextoSql.h"
#include "sivlib/Utiles.h"

namespace articulos {
namespace {

// A barcode of an alternative unit: the row is read in that unit.
std::string PorUnidad(const std::string& unidad, const std::string& columna, const std::string& f) {
  return "SELECT *,IDUNIDAD AS UDBASE , ISNULL(" + unidad + ",IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE " +
         columna + " = '" + f + "'";
}

}  // namespace

std::vector<std::string> SentenciasResolucion(const std::string& codigoFormateado) {
  const std::string f = ComillasDobladas(codigoFormateado);
  const std::string porNumero = "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE IDARTICULO = '" + f + "'";
  return {porNumero,
          "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE codigobarra =  '" + f + "'",
          PorUnidad("UD_TTE", "CODIGOBARRADUN", f),
          PorUnidad("UMCB1", "CODIGOBARRA1", f),
          PorUnidad("UMCB2", "CODIGOBARRA2", f),
          PorUnidad("UMCB3", "CODIGOBARRA3", f),
          PorUnidad("UMCB4", "CODIGOBARRA4", f),
          porNumero};
}

}  // namespace articulos

bool ResolverArticulo(const std::string& codigo) {
  DB_Dll& db = DB();
  Recordset rs;
  bool encontrado = false;
  for (std::string sentencia : articulos::SentenciasResolucion(FormatearCodigo(codigo, articulos::kAnchoCodigo))) {
    db.AbrirRecordset(sentencia, rs, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1, true);
    encontrado = !rs.Eof();
    if (encontrado) break;
  }
  db.CierraRecordset(rs);
  return encontrado;
}
