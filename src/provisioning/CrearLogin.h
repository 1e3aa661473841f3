#pragma once
// Provisioning of the statistics login and database on the server, made
// sure of at every start before the statistics connection opens.
#include <string>

class DB_Dll;

// Creates the server login `Usuario` (password `Clave`, default database
// `BaseDatos`) with its server roles, its access to the connection's
// current database and its database roles. On SQL Server the answer to
// the login decides: an existing login (15025) ends it; a missing default
// database (15010) creates the statistics database first; a password the
// server's policy refuses (15116) is reported and the rest still sent. On
// Oracle one user script runs instead. With no `Conexion`, the shared
// instance is used.
void CrearLogin(const std::string& BaseDatos, const std::string& Usuario, const std::string& Clave,
                DB_Dll* Conexion = nullptr);
