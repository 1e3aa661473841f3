#include "services/TextoSql.h"

#include "sivlib/Texto.h"

std::string ComillasDobladas(std::string_view valor) { return texto::ReemplazarTodo(valor, "'", "''"); }
