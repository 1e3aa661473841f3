#pragma once
// `ut_vorna --probar-conexion "<launch string>"`: connects as the program
// would (server, database, user and password of the launch string; the ODBC
// driver names and the one-result setting of the settings file), prints what
// the server says of itself (name, version, the session's date format and
// language, how many results one connection holds at once) and ends:
// status 0 when connected, 4 (the program's own status for a connection
// that could not be opened) with the provider's records on standard error.
// It shows no window and asks for nothing.
#include <string>

int ProbarConexion(const std::string& lanzamiento);
