#pragma once
// Creation of the statistics database: the creation script "CDB7.SQL" is
// written to the temporary folder and run on the main connection (which
// stays on the new database afterwards), the statistics connection is
// reopened on it, and the schema script "completopxe.sql" is run there:
// the one in the application folder, else the installed one
// (ArchivoDeLectura).
#include <string>

inline constexpr const char* kEsquemaEstadisticas = "completopxe.sql";

// `Servidor` is the server to reopen the statistics connection on;
// `Usuario` and `Clave` the login to create; `BaseDatos` the database.
void CrearBaseDatos(const std::string& Servidor, const std::string& Usuario, const std::string& Clave,
                    const std::string& BaseDatos);
