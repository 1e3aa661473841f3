#include "services/FechaServidor.h"

#include <optional>

#include "db/DB_Dll.h"
#include "services/Configuracion.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {

std::optional<FechaHora> ComoFecha(const Variant& v) {
  if (v.EsFecha()) return v.Fecha();
  if (!v.EsTexto()) return std::nullopt;
  const std::string t = texto::Recortado(v.Texto());
  if (auto f = FechaHora::DesdeIso(t)) return f;
  return FechaHora::DesdeTexto(t);
}

std::optional<FechaHora> RelojServidor() {
  DB_Dll& db = DB();
  // Without an open connection the statement could only fail, and its
  // failure would reach the operator as a dialog.
  if (!db.gOpenFlag || !db.gCnn || db.gCnn->State() != estado_objeto::Abierto) return std::nullopt;
  Recordset rs;
  db.AbrirRecordset("select getDate() as fecha", rs, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura);
  std::optional<FechaHora> fecha;
  if (rs.State() == estado_objeto::Abierto && !rs.Eof()) fecha = ComoFecha(rs.Valor("fecha"));
  db.CierraRecordset(rs);
  return fecha;
}

}  // namespace

FechaHora FechaServidor() {
  if (auto f = RelojServidor()) return *f;
  if (gUtilizarFechaDia) {
    if (auto f = FechaHora::DesdeTexto(texto::Recortado(Cfg("FECHAOPERHASTA")))) return *f;
  }
  return FechaHora::Ahora();
}
