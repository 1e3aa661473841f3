#pragma once
// SQL scripts of the folder sql/, compiled into the program at build time
// (see cmake/GuionesSql.cmake). It is written in SQLite's dialect with the
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
