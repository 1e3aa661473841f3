// Existence tests: does at least one row match?
#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/TextoBusqueda.h"
#include "sivlib/Texto.h"

namespace {

using texto::Recortado;

// ExisteEnTabla's text (TOP 1, compares trimmed texts).
std::string ConsultaConTop(const std::string& T, const std::string& V, const std::string& F, std::optional<int> tipo,
                           const std::string& C) {
  if (!C.empty()) return "SELECT TOP 1 * FROM " + T + " with(nolock) " + busqueda::Enlace(C) + C;
  if (tipo == busqueda::kTexto)
    return "SELECT TOP 1  * FROM " + T + " with(nolock)  WHERE LTRIM(RTRIM(" + F + ")) ='" + Recortado(V) + "'";
  const std::string cabeza = "SELECT TOP 1 * FROM " + T + " with(nolock)  WHERE " + F + " = ";
  if (tipo == busqueda::kFecha) return cabeza + Recortado(V) + " ";
  if (busqueda::EsNumerico(tipo)) return cabeza + busqueda::TextoNumero(V);
  return cabeza + V;
}

// ExisteEnTablaST's text (no TOP, compares texts as stored).
std::string ConsultaSinTop(const std::string& T, const std::string& V, const std::string& F, std::optional<int> tipo,
                           const std::string& C) {
  if (!C.empty()) return "SELECT * FROM " + T + " with(nolock)  " + busqueda::Enlace(C) + C;
  const std::string cabeza = "SELECT * FROM " + T + " with(nolock)   WHERE " + F;
  if (tipo == busqueda::kTexto) return cabeza + " ='" + V + "'";
  if (tipo == busqueda::kFecha) return cabeza + " = " + Recortado(V) + " ";
  if (busqueda::EsNumerico(tipo)) return cabeza + " = " + busqueda::TextoNumero(V);
  return cabeza + " = " + V;
}

}  // namespace

bool DB_Dll::ExisteEnTablaComun(bool conTop, const std::string& Tabla, const std::string& ValorBuscado,
                                const std::string& Campo, Recordset* Lrcs, std::optional<int> Tipodato,
                                const std::string& Condicion, bool SoloLectura) {
  bool existe = false;
  std::string sql;
  // The unrestricted twin reads through the shared connection, as it is.
  Conexion* cn = conTop ? gCnn.get() : DB().gCnn.get();
  Recordset propio;
  auto leer = [&](Recordset& rs) {
    if (rs.State() == estado_objeto::Cerrado)
      return ErrorSistema{ado::ObjetoCerrado, "Operation is not allowed when the object is closed.", "ADODB.Recordset"};
    existe = !rs.BOF();
    return ErrorSistema{};
  };
  const Paso armar = [&] {
    sql = conTop ? SS_TSinonimos(ConsultaConTop(Tabla, ValorBuscado, Campo, Tipodato, Condicion))
                 : ConsultaSinTop(Tabla, ValorBuscado, Campo, Tipodato, Condicion);
    return ErrorSistema{};
  };
  if (!Lrcs) {
    EjecutarPasos({armar,
                   [&] {
                     ErrorSistema e;
                     if (conTop) sql = ORACLE_Dicc(sql, &e);
                     return e;
                   },
                   [&] { return propio.Open(sql, cn, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1); },
                   [&] { return leer(propio); },
                   [&] {
                     if (propio.State() != estado_objeto::Cerrado) return propio.Close();
                     return ErrorSistema{};
                   }},
                  PreguntarLectura);
    return existe;
  }
  EjecutarPasos({armar,
                 [&] {
                   if (Lrcs->State() != estado_objeto::Cerrado) return Lrcs->Close();
                   return ErrorSistema{};
                 },
                 [&] {
                   return SoloLectura ? Lrcs->Open(sql, cn, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1)
                                      : Lrcs->Open(sql, cn, Lrcs->CursorType, Lrcs->LockType, -1);
                 },
                 [&] { return leer(*Lrcs); }},
                PreguntarLectura);
  return existe;
}

bool DB_Dll::ExisteEnTabla(const std::string& Tabla, const std::string& ValorBuscado, const std::string& Campo,
                           Recordset* Lrcs, std::optional<int> Tipodato, const std::string& Condicion,
                           bool SoloLectura) {
  return ExisteEnTablaComun(true, Tabla, ValorBuscado, Campo, Lrcs, Tipodato, Condicion, SoloLectura);
}

bool DB_Dll::ExisteEnTablaST(const std::string& Tabla, const std::string& ValorBuscado, const std::string& Campo,
                             Recordset* Lrcs, std::optional<int> Tipodato, const std::string& Condicion,
                             bool SoloLectura) {
  return ExisteEnTablaComun(false, Tabla, ValorBuscado, Campo, Lrcs, Tipodato, Condicion, SoloLectura);
}
