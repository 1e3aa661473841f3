#pragma once
// SQL scripts of the folder sql/, compiled into the program at build time
// (see GuionesSql.cmake). Both are written in SQLite's dialect with the
// declared types the embedded engine maps to ADO types (varchar(n),
// datetime, int, bit, decimal); dates are stored as ISO text
// "yyyy-mm-dd hh:mm:ss".
#include <string_view>

// sql/tablas_propias.sql: the tables the program's own services read and
// write (configuration, window state, error and access logs, users, menu
// tasks, cash boxes, shortage reports). Every statement is
// "CREATE ... IF NOT EXISTS", so running it on a database that already has
// some of them is harmless.
std::string_view GuionTablasPropias();

// sql/erp_demo.sql: the ERP tables and views that the four export queries
// read (articles, stock, vouchers and their lines, sellers, customers,
// visit frequencies), empty. Used by the demo database generator.
std::string_view GuionEsquemaErpDemo();

// sql/erp_demo_indices.sql: the indexes of those tables, run after the bulk
// load, among them the one that serves the export's customer filter.
std::string_view GuionIndicesErpDemo();
