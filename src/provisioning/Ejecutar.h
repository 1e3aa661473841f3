#pragma once
// The SQL script runner: runs a SQL Server script file on the main
// connection, batch by batch, in repeated passes, with its macros, the
// drop guard and an error file in the temporary folder that the operator
// is pointed to at the end (unless the run is "Automatica").
#include <string>

// An empty path does nothing.
void Ejecutar(const std::string& Archivo);
