// SQL Server pads the shorter text with blanks before it compares two
// texts, so 'ana ' = 'ana' and 'ana' = 'ana  ' both hold; SQLite compares
// them as they are. A compared text literal therefore stands for its text
// without trailing blanks followed by any number of blanks (up to 8000, the
// longest text a SQL Server column holds): the row a program reads with
// 'DATOS  ' in a column is found again by that value, 'ana ' finds the
// 'ana' the program stores, and 'ana' finds an 'ana  ' another program
// stored. In an IN list a literal stands for its forms with up to as many
// blanks as it has.
//
// Date-looking literals only lose their blanks (they are dates, see
// ReglaFechas). LIKE patterns keep their blanks (they count there), and so
// do stored values: the "=" of an UPDATE's SET assignment and the values
// of an INSERT are no comparisons.
#include "db/motor/dialecto_sqlite/FormaFecha.h"
#include "db/motor/dialecto_sqlite/Reglas.h"
#include "db/motor/dialecto_sqlite/ValoresComparados.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

// The text followed by 8000 blanks, as an expression SQLite computes once.
const char* const kConBlancos = " || printf('%8000s', '')";

bool EsTextoCerrado(const Token& k) {
  return k.clase == ClaseToken::Literal && k.texto.size() >= 2 && k.texto.back() == '\'';
}

ValoresComparados::Equivalentes ConBlancosFinales(const std::string& contenido) {
  const std::string base = texto::RecortadoDer(contenido);
  ValoresComparados::Equivalentes e;
  e.primero = ComoLiteral(base);
  e.ultimo = e.primero + kConBlancos;
  for (size_t n = base.size(); n <= contenido.size(); ++n)
    e.lista += (e.lista.empty() ? "" : ", ") + ComoLiteral(contenido.substr(0, n));
  return e;
}

}  // namespace

void ReglaBlancosFinales(std::vector<Token>& t) {
  ValoresComparados comparados(t);
  for (size_t i = 0; i < t.size(); ++i) {
    if (!EsTextoCerrado(t[i]) || !comparados.EsComparado(i)) continue;
    const std::string contenido = ContenidoLiteral(t[i]);
    if (TieneFormaDeFecha(texto::RecortadoDer(contenido)))
      t[i].texto = ComoLiteral(texto::RecortadoDer(contenido));
    else
      comparados.Equivaler(i, ConBlancosFinales(contenido));
  }
  comparados.Aplicar(t);
}

}  // namespace dialecto_sqlite
