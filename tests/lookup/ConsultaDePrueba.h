#pragma once
// Fixture of the list lookup's tests: an embedded database holding the
// tables a list lookup shows (articles with stock and reorder point,
// customers, sellers, a table without definition; the shortage table is one
// of the program's own), the
// shared database object open on it, and the application folder (where the
// definitions and widths files live) in the test's folder.
#include <string>
#include <vector>

#include "lookup/Lib_FrmCons3Modelo.h"
#include "support/BaseDePrueba.h"

// The articles as the definitions file's statement reads them.
inline constexpr const char* kArticulos =
    "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION";
// The first column's texts of the articles, in that statement's order.
std::vector<std::string> DescripcionesArticulos();

class ConsultaDePrueba : public ConBaseSqlite {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The row texts of the list in its order (first column).
  static std::vector<std::string> Textos(const Lib_FrmCons3Modelo& m, size_t columna = 0);
  // The text of the selected row's column; "" when none is selected.
  static std::string Seleccionada(const Lib_FrmCons3Modelo& m, size_t columna = 0);
  // Selects the row whose first column reads `texto`.
  static void Elegir(Lib_FrmCons3Modelo& m, const std::string& texto);
};
