// One field of the first matching row.
#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/TextoBusqueda.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

std::string Consulta(const std::string& T, const std::string& V, const std::string& F, std::optional<int> tipo,
                     const std::string& C, bool usaTrim) {
  // The condition is appended as given; only its " AND " depends on it being blank.
  const std::string A = texto::Recortado(C).empty() ? "" : " AND ";
  const std::string cabeza = "SELECT TOP 1 * FROM " + T + " with(nolock)  WHERE ";
  if (tipo == busqueda::kTexto && usaTrim)
    return cabeza + "LTRIM(RTRIM(" + F + ")) ='" + texto::Recortado(V) + "' " + A + C;
  if (tipo == busqueda::kTexto) return cabeza + F + " ='" + V + "' " + A + C;
  if (tipo == busqueda::kFecha) return cabeza + F + " = #" + texto::Recortado(V) + "# " + A + C;
  if (busqueda::EsNumerico(tipo)) return cabeza + F + " = " + busqueda::TextoNumero(V) + A + C;
  return cabeza + F + " = " + V + A + C;
}

}  // namespace

Variant DB_Dll::DatosTabla(const std::string& Tabla, const std::string& ValorBuscado, const std::string& CampoDevuelto,
                           const std::string& Campo, std::optional<int> Tipodato, const std::string& Condicion,
                           bool UsaTrim, bool IgnoraError) {
  Variant resultado;
  bool sinConexion = false;
  Recordset rs;
  std::string sql;
  EjecutarPasos({[&] {
                   sql = Consulta(Tabla, ValorBuscado, Campo, Tipodato, Condicion, UsaTrim);
                   return ErrorSistema{};
                 },
                 [&] {
                   AbrirRecordset(sql, rs, gCnn.get(), cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1, true);
                   sinConexion = !gOpenFlag;
                   return ErrorSistema{};
                 },
                 [&] {
                   if (sinConexion) return ErrorSistema{};
                   if (rs.State() == estado_objeto::Cerrado)
                     return ErrorSistema{ado::ObjetoCerrado, "Operation is not allowed when the object is closed.",
                                         "ADODB.Recordset"};
                   if (rs.BOF()) {
                     resultado = Variant("");
                     return ErrorSistema{};
                   }
                   ErrorSistema e;
                   const Variant v = rs.Valor(CampoDevuelto, &e);
                   if (!e.HayError()) resultado = Variant(SinNulo(v));
                   return e;
                 },
                 [&] {
                   if (rs.State() != estado_objeto::Cerrado) return rs.Close();
                   return ErrorSistema{};
                 }},
                [&](const ErrorSistema& e) {
                  if (IgnoraError) {
                    resultado = Variant("");
                    return Decision::Salir;
                  }
                  return PreguntarLectura(e);
                });
  return sinConexion ? Variant() : resultado;
}
