#include "db/motor/Motor.h"

Resultado ResultadoFallido(long numero, std::string descripcion, std::string origen) {
  Resultado r;
  r.numero = numero;
  r.descripcion = std::move(descripcion);
  r.origen = std::move(origen);
  return r;
}

Resultado ResultadoFallido(long numero, std::string descripcion, std::string origen, std::string estadoSql,
                           long nativo) {
  Resultado r = ResultadoFallido(numero, std::move(descripcion), std::move(origen));
  r.errores.push_back({std::move(estadoSql), r.numero, r.descripcion, nativo, r.origen});
  return r;
}

Resultado ResultadoCerrado() {
  return ResultadoFallido(ado::ObjetoCerrado, "Operation is not allowed when the object is closed.",
                          "ADODB.Connection");
}
