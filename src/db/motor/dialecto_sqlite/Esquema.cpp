#include "db/motor/dialecto_sqlite/Esquema.h"

#include "sivlib/Texto.h"

namespace dialecto_sqlite {

bool EsTipoFecha(const std::string& tipo) {
  return texto::ContieneSinCaso(tipo, "DATE") || texto::ContieneSinCaso(tipo, "TIME");
}

}  // namespace dialecto_sqlite
