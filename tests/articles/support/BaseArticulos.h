#pragma once
// Fixture of the article registration tests: a fresh embedded database with
// the program's own tables and an article master (V_MA_ARTICULOS with the
// columns the registration writes and the barcode columns the resolution
// reads), the shared database object open on it, and a loopback master
// barcode service whose address is in the configuration.
#include <string>

#include "ServidorHttpPrueba.h"
#include "support/BaseDePrueba.h"

class BaseArticulos : public ConBaseSqlite {
 protected:
  void SetUp() override;
  // Stores a configuration value (as the general configuration does).
  void Configurar(const std::string& clave, const std::string& valor);
  // An article row: number (stored as given), barcode, description.
  void Articulo(const std::string& id, const std::string& codigoBarra, const std::string& descripcion);
  // Rows of the article master ordered by number: IdArticulo, CodigoBarra, Descripcion, IdUnidad,
  // UsaSerie, UsaLote, Exento, Suspendido.
  Filas Articulos();

  ServidorHttpPrueba servidor;
};

// The width-25 form of an article number.
std::string Id25(const std::string& numero);
