#pragma once
// Provisioning of the statistics login and database on the server, made
// sure of at every start before the statistics connection opens.
#include <string>

class DB_Dll;

// Creates the server login `Usuario` (password `Clave`, default database
// `BaseDatos`) with its roles and its access to the current database, and
// the statistics database when the server says it is missing. With no
// `Conexion`, the shared instance is used.
void CrearLogin(const std::string& BaseDatos, const std::string& Usuario, const std::string& Clave,
                DB_Dll* Conexion = nullptr);
