#pragma once
// The F5 filter of the list lookup: the statement narrowed in the database
// by the text of one search box. Filters accumulate: each one extends the
// statement the previous one left, keeping its "order by" / "group by"
// tail after the new condition.
#include <string>

struct FiltroF5 {
  std::string campo;      // the field the search box is bound to
  std::string tecleado;   // the box's text
  bool comoLike = false;  // CfgUsaConsultaLIKE: match anywhere, blanks as "%"
};

// The new statement; `base` (the statement the filter extends) becomes the
// text before the tail. Without CfgUsaConsultaLIKE the condition is
// "<field> like '<text>%'" with every "*" of the text as "%"; with it,
// "<field> like '%<text>%'" with every blank as "%". Article statements
// qualify the field with the articles view's name. The typed text has its
// apostrophes doubled, so that O'HIGGINS filters instead of ending the
// literal.
std::string SentenciaFiltrada(const std::string& sentencia, std::string& base, const FiltroF5& filtro);
