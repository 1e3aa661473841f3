#pragma once
// Database names on the embedded engine, as USE, the connection's default
// database and the login procedures use them. The server is the folder of
// the main database: a name finds its file as RutaBaseSqlite says, and,
// as SQL Server matches database names without regard to case, the file
// "erp.sqlite" is the database ERP.
#include <string>

#include "db/motor/Motor.h"

// The file of the database `nombre`: RutaBaseSqlite's, or a file in the
// same folder whose name differs from it only in case.
std::string UbicarBaseSqlite(const std::string& nombre);
bool ExisteBaseSqlite(const std::string& nombre);
// True when `nombre` names the database whose file is `rutaAbierta`.
bool EsLaMismaBase(const std::string& nombre, const std::string& rutaAbierta);
// The same file always gives the same text (for keeping files in a set).
std::string RutaCanonica(const std::string& ruta);

// SQL Server's answer to USE of a database that does not exist (911).
Resultado BaseNoExiste(const std::string& nombre);
