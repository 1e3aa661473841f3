#pragma once
// SQL Server's login and role procedures on the embedded engine.
//
// An embedded database has no server logins: whoever can open the file
// can use it. A login therefore lives with its default database: it comes
// into being when a connection creates that database and adds it, and it
// exists as long as the database file does. So sp_addlogin answers
//  - 15010 (the default database does not exist) when there is no file;
//  - success, without effect, on a database this connection has just
//    created and whose login it has not added yet;
//  - 15025 (the login already exists) otherwise.
// sp_addsrvrolemember, sp_grantdbaccess and sp_addrolemember succeed
// without effect: every user of the file has every right on it. Any other
// procedure is not found (2812).
#include <set>
#include <string>

#include "db/motor/Motor.h"

class ProcedimientosSqlite {
 public:
  // The database whose file is `ruta` was created by this connection.
  void BaseCreada(const std::string& ruta);
  // Runs the procedure calls of `sentencia` (one or more EXEC) on the
  // connection open on `rutaAbierta`; stops at the first failure.
  Resultado Ejecutar(const std::string& sentencia, const std::string& rutaAbierta);

 private:
  Resultado AgregarLogin(const std::string& login, const std::string& base, const std::string& rutaAbierta);
  std::set<std::string> sinLogin_;  // created here, their login not added yet
};
