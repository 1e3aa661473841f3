#pragma once
// The demo ERP's SQL scripts, compiled into the demo generator at build time
// (see cmake/GuionesSql.cmake), in SQLite's dialect like the program's own
// tables (services/esquema/GuionesSql.h).
#include <string_view>

// sql/erp_demo.sql: the ERP tables and views that the four export queries
// read (articles, stock, vouchers and their lines, sellers, customers,
// visit frequencies), empty. Used by the demo database generator.
std::string_view GuionEsquemaErpDemo();

// sql/erp_demo_indices.sql: the indexes of those tables, run after the bulk
// load, among them the one that serves the export's customer filter.
std::string_view GuionIndicesErpDemo();
