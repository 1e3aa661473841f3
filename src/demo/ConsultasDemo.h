#pragma once
// What the lookup windows read of the demo ERP: the articles with their
// stock and reorder point, suppliers, customers' contacts, and the coded
// hierarchies the tree lookup shows (product families, accounts, cost
// centres, positions).
#include <string>

#include "demo/ContextoDemo.h"

namespace demo {

// Articles' reorder points and the article query view VT_MA_ARTICULOS,
// suppliers (VT_PROVEEDORES) and the customers' contacts.
bool PrepararConsultas(ContextoDemo& c, std::string& error);
// V_TA_FAMILIAS, MA_CUENTAS, TA_CCOSTO and MA_POSICIONES.
bool PoblarArboles(ContextoDemo& c, std::string& error);

}  // namespace demo
