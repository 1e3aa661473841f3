#pragma once
// The creation script "CDB7.SQL": the statistics database, then (after
// "GO", on the new database) its login with the same roles, access and
// memberships that CrearLogin grants. Its first three lines carry an extra
// CR before their CR LF, so the script runner reads an empty line after
// each of them.
#include <string>

inline constexpr const char* kArchivoCreacion = "CDB7.SQL";

std::string GuionCreacion(const std::string& usuario, const std::string& clave, const std::string& base);
