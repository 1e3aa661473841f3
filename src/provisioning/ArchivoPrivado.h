#pragma once
// Files that hold login names and passwords (the creation script, the
// script runner's error file) are created readable and writable by their
// owner only, and are never reached through a link that someone else may
// have left in a shared temporary folder.
#include <cstdio>
#include <string>

#include "sivlib/ErrorSistema.h"

// Opens `ruta` for appending, creating it when missing; an existing file
// is kept and made private too. Null with the failure in `error`.
std::FILE* AnexarPrivado(const std::string& ruta, ErrorSistema& error);
// Creates `ruta` anew (an existing file is removed first) and opens it
// for writing. Null with the failure in `error`.
std::FILE* CrearPrivado(const std::string& ruta, ErrorSistema& error);
