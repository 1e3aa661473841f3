#include "db/DB_Dll.h"
#include "services/ActualizarDatoScript.h"
#include "services/FormatosFecha.h"
#include "services/NombreEjecutable.h"
#include "sivlib/Entorno.h"
#include "sivlib/Utiles.h"

void RegistrarErrorSql(const std::string& sql, std::string& proceso, int32_t numero, const std::string& descripcion) {
  if (proceso.empty()) proceso = NombreEjecutable();
  DB_Dll& db = DB();
  Recordset rs;
  db.AbrirRecordset("select  top 1 * from AUX_ERR  with(nolock) ", rs, nullptr, cursor_ado::Dinamico,
                    bloqueo_ado::Optimista);
  if (rs.State() != estado_objeto::Abierto) return;
  if (!rs.AddNew().HayError()) {
    rs.Asignar("Proceso", Variant(proceso));
    rs.Asignar("Fecha", Variant(FormatearFecha(FechaHora::Ahora(), FormatoFechaHora())));
    rs.Asignar("Error", Variant(static_cast<long>(numero)));
    rs.Asignar("Descripcion", Variant(Recortar(descripcion, 250)));
    rs.Asignar("SQL", Variant(sql));
    rs.Asignar("PC", Variant(NombreEquipo()));
    rs.Asignar("Usuario", Variant(db.gUsuario));
    if (rs.Update().HayError()) rs.CancelUpdate();
  }
  db.CierraRecordset(rs);
}

void RegistrarErrorSql(const std::string& sql, const std::string& proceso, int32_t numero,
                       const std::string& descripcion) {
  std::string copia = proceso;
  RegistrarErrorSql(sql, copia, numero, descripcion);
}
