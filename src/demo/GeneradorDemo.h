#pragma once
// Generator of the demo ERP database: an embedded (SQLite) database file
// with the ERP tables and views the four export files read, the program's
// own tables, and believable data of a food and beverage distributor.
//
// The data is deterministic for a seed, relative to the given day: the
// vouchers cover the `dias` days up to `hoy`. It holds what the exports
// must cope with: articles of the supplier account "21101010029" and of
// other suppliers (stock zero, negative, missing), customers in many
// provinces and VAT conditions (some deregistered or blocked, unknown
// codes, names longer than 50 characters, accented letters and letters
// outside Windows-1252, document numbers with "-", "." and "/"), sellers
// with and without visit frequencies, customers without a seller or with
// an unknown one, and vouchers of every type (sales, tickets, proformas,
// debit and credit notes, returns, cancelled ones, header discounts and
// line discounts, lines without a header, sales to an account that is not
// a customer, purchases, delivery notes and stock adjustments).
//
// The configuration holds the destination folder of this machine under
// "UNIFICADOR_VORNA_" + the computer name in capitals, and "NRO_PAQUETE".
#include <cstdint>
#include <string>

#include "sivlib/FechaHora.h"

namespace demo {

struct ParametrosDemo {
  long lineas = 100000;  // lines of the exported voucher types (TK, TKFC, FC, ND, NC, NCFP, FP)
  long clientes = 2000;
  long articulos = 400;
  long vendedores = 20;
  int dias = 35;        // days covered, ending today
  std::string destino;  // destination folder stored for this machine
  long paquete = 0;     // last package number written ("NRO_PAQUETE")
  uint64_t semilla = 20161231;
  FechaHora hoy = FechaHora::Ahora();  // only its date counts
  bool reemplazar = false;             // replace an existing file
};

// The parameters of a database of the given size, covering `dias` days
// ending today; every other member at its default.
ParametrosDemo ParametrosDeTamano(long lineas, long clientes, long articulos, long vendedores, int dias);

// What was written.
struct ResumenDemo {
  long lineasVenta = 0;       // movement lines of the exported voucher types
  long otrosMovimientos = 0;  // purchases, delivery notes, adjustments
  long comprobantes = 0;      // voucher headers
  long clientes = 0;
  long articulos = 0;
  long vendedores = 0;
  long frecuencias = 0;
};

// Creates the database file. The file is built under a temporary name
// beside it and renamed into place only when complete; an existing file
// is kept unless `reemplazar` is set. On failure returns false with a
// message in `error`; nothing is left behind.
bool GenerarBaseDemo(const std::string& archivo, const ParametrosDemo& parametros, ResumenDemo* resumen,
                     std::string* error);

}  // namespace demo
