// SQL Server pads the shorter text with blanks before it compares two
// texts, so 'ana ' = 'ana' and 'ana' = 'ana  ' both hold; SQLite compares
// them as they are. A compared text literal with trailing blanks therefore
// stands for its text without them followed by any number of blanks (up
// to 8000, the longest text a SQL Server column holds): 'ana ' finds the
// 'ana' the program stores, and the row a program read with 'DATOS  ' in a
// column is found again by that value whatever blanks it holds. In an IN
// list such a literal stands for its forms with up to as many blanks as it
// has.
//
// A literal without trailing blanks stays as written: it is the common
// case, and a range in its place would change the plans SQLite chooses
// (the sales query takes twice as long). So 'ana' does not find a value
// stored as 'ana  '; the program stores its values trimmed.
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

bool TieneBlancosFinales(const Token& k) {
  return k.clase == ClaseToken::Literal && k.texto.size() >= 3 && k.texto.back() == '\'' &&
         k.texto[k.texto.size() - 2] == ' ';
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
    if (!TieneBlancosFinales(t[i]) || !comparados.EsComparado(i)) continue;
    const std::string contenido = ContenidoLiteral(t[i]);
    if (TieneFormaDeFecha(texto::RecortadoDer(contenido))) t[i].texto = ComoLiteral(texto::RecortadoDer(contenido));
    else comparados.Equivaler(i, ConBlancosFinales(contenido));
  }
  comparados.Aplicar(t);
}

}  // namespace dialecto_sqlite
