#pragma once
// The columns of a list lookup: one per field of its statement, as wide as
// the field's size in letters "X" (at most 60), captioned with the field's
// name; the article price columns take the price-class names of the
// configuration. Widths are in twips (1/1440 inch), the unit the lookup's
// geometry and its widths file use.
#include <functional>
#include <string>

struct ColumnaConsulta {
  std::string campo;   // the field's name: what the search box above it filters
  std::string titulo;  // header text
  double ancho = 0;    // twips
};

class Campo;

namespace columnas {

inline constexpr int kLetrasMaximas = 60;
// Letters of a field whose size the engine does not know (a computed column
// of the embedded engine); the ERP's servers always report one.
inline constexpr int kLetrasSinTamano = 10;

// A statement on the articles (it names V_MA_ARTICULOS or STK_MA_ARTICULOS).
bool DeArticulos(const std::string& sql);
// Letters a field gets: its defined size, 12 for currency and numeric
// fields, at most 60; with `ValoresDefault` "@10" ten more (not on articles).
int Letras(const Campo& campo, bool articulos, const std::string& ValoresDefault);
// The header: the field's name; on articles "PRECIO1" to "PRECIO8" take
// configuration key "NOM_PCLASE1" to "NOM_PCLASE8".
std::string Titulo(const std::string& campo, bool articulos);
// The column of a field; `anchoLetras` gives the width of n letters "X".
ColumnaConsulta DeCampo(const Campo& campo, bool articulos, const std::string& ValoresDefault,
                        const std::function<double(int)>& anchoLetras);

}  // namespace columnas
