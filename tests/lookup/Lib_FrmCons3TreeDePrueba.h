#pragma once
// Fixture of the tree lookup's tests: an embedded database holding the
// tables a tree shows and looks its codes up in (accounts, cost centres,
// positions, families and the families' restricted view), with the shared
// database object open on it.
#include <map>
#include <string>
#include <vector>

#include "lookup/Lib_FrmCons3TreeModelo.h"
#include "support/BaseDePrueba.h"

// Statements of the trees: the accounts in code order, the families.
inline constexpr const char* kCuentas = "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO";
inline constexpr const char* kFamilias = "select IdFamilia, Descripcion from V_TA_FAMILIAS";

// code -> code of its parent node ("" for the root), for every node but the root.
std::map<std::string, std::string> PadresDe(const NodosArbol& nodos);

class ArbolDePrueba : public ConBaseSqlite {
 protected:
  void SetUp() override;

  // The node of a code; -1 when the tree has none.
  static int Nodo(const Lib_FrmCons3TreeModelo& m, const std::string& codigo);
  // The texts of the nodes in the order they were added.
  static std::vector<std::string> Textos(const NodosArbol& nodos);
};
