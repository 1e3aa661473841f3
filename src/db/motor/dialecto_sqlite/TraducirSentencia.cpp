#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {

std::string TraducirSentencia(const std::string& sql, const EsquemaDeTablas& esquema) {
  std::vector<Token> t = Tokenizar(sql);
  ReglaLiteralesN(t);
  ReglaBlancosFinales(t);  // before the dates: '09/12/2026 ' compared is a date too
  ReglaFechas(t, esquema);
  ReglaCorchetes(t);
  ReglaPropietario(t);
  ReglaSugerencias(t);
  ReglaColaciones(t);
  ReglaNombresDeFuncion(t);
  ReglaConversiones(t);
  ReglaDeleteSinFrom(t);
  ReglaSuma(t);
  ReglaTop(t);  // last: a PERCENT limit copies the finished query
  return Unir(t);
}

}  // namespace dialecto_sqlite
