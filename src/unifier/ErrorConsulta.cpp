#include "unifier/ErrorConsulta.h"

#include "db/DB_Dll.h"

namespace vorna {

ErrorSistema ErrorConsulta(const std::string& que) {
  ErrorSistema e;
  e.numero = ado::ObjetoCerrado;
  e.origen = "UT_VORNA";
  e.descripcion = "No se pudo " + que;
  const ErroresProveedor& errores = DB().gCnn->Errors;
  if (errores.Count() > 0) e.descripcion += ": " + errores.Item(errores.Count() - 1).descripcion;
  return e;
}

}  // namespace vorna
