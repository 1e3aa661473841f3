#pragma once
// The maker's library, class ArchivoIni: reading a Windows-style settings
// file ("[Section]" lines, "Key=Value" lines, ";" comments).
//
// A bare file name (no folder) is looked up in the application folder
// (CarpetaAplicacion), then in the working folder. Sections and keys match
// without regard to case; the value is trimmed and one pair of surrounding
// double quotes is removed. When the file, the section or the key is
// missing, or the file cannot be read, the default comes back. Files are
// read as Windows-1252 unless they are valid UTF-8.
#include <string>

std::string LeerValorIni(const std::string& archivo, const std::string& seccion, const std::string& clave,
                         const std::string& predeterminado);
// Where a bare name resolves to (the first existing candidate); the path as given otherwise.
std::string UbicarArchivoIni(const std::string& archivo);
