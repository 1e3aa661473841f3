#include "unifier/FiltroClientes.h"

#include "db/DB_Dll.h"
#include "sivlib/Texto.h"
#include "unifier/ErrorConsulta.h"

namespace vorna {

ErrorSistema FiltroClientes::Existe(std::string_view codigo, bool& existe) {
  const std::string clave = texto::Recortado(codigo);
  if (auto it = conocidos_.find(clave); it != conocidos_.end()) {
    existe = it->second;
    return {};
  }
  DB_Dll& db = DB();
  Recordset rs;
  ++consultas_;
  // The code goes into the statement as a text literal: its apostrophes are
  // doubled, so a code like O'Higgins is looked up, not run.
  existe = db.ExisteEnTabla("VT_CLIENTES", texto::ReemplazarTodo(clave, "'", "''"), "Codigo", &rs, 8, "", true);
  // A lookup that succeeded leaves its recordset open.
  if (rs.State() == estado_objeto::Cerrado) return ErrorConsulta("buscar el cliente " + clave + " en VT_CLIENTES");
  db.CierraRecordset(rs);
  conocidos_.emplace(clave, existe);
  return {};
}

}  // namespace vorna
