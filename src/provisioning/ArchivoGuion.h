#pragma once
// Reading a script file whole, as stored (bytes of the ANSI code page).
#include <string>

#include "sivlib/ErrorSistema.h"

ErrorSistema LeerArchivoGuion(const std::string& ruta, std::string& bytes);
