#pragma once
// The environment and connection handles, shared by the engine and its open
// cursors so that a cursor can be read after the engine lets go of them.
#include <sql.h>
#include <sqlext.h>

struct ConexionOdbc {
  SQLHENV env = SQL_NULL_HENV;
  SQLHDBC dbc = SQL_NULL_HDBC;
  bool conectada = false;
  ~ConexionOdbc() {
    if (conectada) SQLDisconnect(dbc);
    if (dbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    if (env != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env);
  }
};
