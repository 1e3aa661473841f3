#include "lookup/SentenciaConsulta.h"

#include "db/DB_Dll.h"
#include "services/Configuracion.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace consulta {

namespace {

// "|A|B|" as "A,B"; "*" when it names nothing.
std::string ListaDeCampos(const std::string& campos) {
  std::string c = texto::Recortado(Reemplazar(campos, "|", ","));
  if (!c.empty() && c.front() == ',') c.erase(0, 1);
  if (!c.empty() && c.back() == ',') c.pop_back();
  return c.empty() ? "*" : c;
}

std::string CondicionPredeterminada(const std::string& tabla) {
  if (EstaEnLista(tabla, {"VT_PROVEEDORES", "VT_CLIENTES"})) return "Dada_De_Baja = 0";
  if (texto::IgualesSinCaso(tabla, "V_MA_ARTICULOS")) return "SUSPENDIDO = 0";
  return "";
}

bool Omitido(const std::string& campo) {
  return EstaEnLista(campo, {"ID", "FECHAHORA_MODIFICACION", "FECHAHORA_GRABACION"});
}

}  // namespace

long LimiteFilas() {
  const long n = long(ValorNumerico(Cfg("TopConsArt")));
  return n == 0 ? 1000 : n;
}

std::optional<std::string> SentenciaDeMascara(const MascaraConsulta& m, long limite, std::string& CampoBusqueda,
                                              const std::string& Where) {
  const std::string tabla = mascaras::Limpio(m.tabla);
  const std::string campos = ListaDeCampos(m.campos);
  if (CampoBusqueda.empty()) {
    const size_t coma = campos.find(',');
    if (coma == std::string::npos) return std::nullopt;
    CampoBusqueda = campos.substr(0, coma);
  }
  std::string condicion = mascaras::Limpio(m.condicion);
  if (condicion.empty() && !texto::Recortado(Where).empty()) condicion = Where;
  if (condicion.empty()) condicion = CondicionPredeterminada(tabla);
  std::string sql = "SELECT TOP " + texto::Entero(limite) + " " + campos + " FROM " + tabla;
  if (!texto::Recortado(condicion).empty()) sql += " WHERE ";
  sql += condicion;
  if (!CampoBusqueda.empty()) sql += " ORDER BY " + CampoBusqueda;
  return sql;
}

std::string SentenciaPorDescubrimiento(const std::string& tabla, long limite, std::string& CampoBusqueda) {
  DB_Dll& db = DB();
  Recordset rs;
  db.AbrirRecordset("select top 1 * from " + tabla, rs, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1,
                    true);
  std::string lista;
  for (long i = 0; i < rs.FieldCount(); ++i) {
    const std::string& nombre = rs.Fields(i)->Name();
    if (Omitido(nombre)) continue;
    if (EstaEnLista(nombre, {"DESCRIPCION", "NOMBRE", "DETALLE"}) || lista.empty()) CampoBusqueda = nombre;
    lista = nombre + "," + lista;
  }
  db.CierraRecordset(rs);
  const std::string campos = texto::Recortado(lista).empty() ? " * " : lista.substr(0, lista.size() - 1);
  std::string sql = "SELECT TOP " + texto::Entero(limite) + " " + campos + " FROM " + tabla;
  // A table of nothing but the omitted columns has no column to order by.
  if (!CampoBusqueda.empty()) sql += " ORDER BY " + CampoBusqueda;
  return sql;
}

std::optional<MascaraConsulta> BuscarMascara(const std::string& ruta, const std::string& tabla) {
  for (const MascaraConsulta& m : mascaras::Leer(ruta))
    if (texto::IgualesSinCaso(mascaras::Limpio(m.tabla), texto::Recortado(tabla))) return m;
  return std::nullopt;
}

}  // namespace consulta
