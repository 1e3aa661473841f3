#pragma once
// The folder of the provisioning's files (the creation script, the script
// runner's error file): TEMP as it stands, or the library's temporary
// folder when TEMP is blank.
#include <string>

// With its final separator.
std::string CarpetaTemp();

// Where this user writes the file `nombre` of the temporary folder
// `carpeta`: there, unless another user's file already holds that name (a
// folder shared by every user, as /tmp under cron, where the file cannot
// be removed or replaced). Then a folder of this user's own inside it,
// "ut_vorna-<user id>", created for its owner only.
std::string ArchivoTempPropio(const std::string& carpeta, const std::string& nombre);
