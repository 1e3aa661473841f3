#pragma once
// Where the program's files are.
//
// A program run from its build folder, or from any copy, keeps everything
// beside itself: the executable's folder is its application folder, as it
// has always been. An installed program has its executable in
// "<prefix>/bin" and its read-only files in "<prefix>/share/ut_vorna/",
// folders its users may not write into; what it writes (the settings file
// CN000pr.INI, the error log PXERR.LOG, the lookup files consultas.prx and
// CONSULTASLEN.PRX) goes to an application folder of the user who runs it:
// UT_VORNA_CARPETA when set, else $XDG_DATA_HOME/ut_vorna, else
// $HOME/.local/share/ut_vorna (relative XDG_DATA_HOME is ignored, as the
// XDG rules say).
#include <optional>
#include <string>

struct Instalacion {
  std::string programa;  // the installed executable
  std::string datos;     // "<prefix>/share/ut_vorna/", with its final separator
};

// The installation the executable `rutaEjecutable` belongs to: its folder
// is named "bin" and "../share/ut_vorna" beside that folder is a folder.
// None for an executable anywhere else.
std::optional<Instalacion> InstalacionDe(const std::string& rutaEjecutable);

struct CarpetasPrograma {
  std::optional<Instalacion> instalacion;
  // With its final separator. When it cannot be used, the folder that was
  // meant: what the program writes there goes to its fallbacks.
  std::string aplicacion;
  // Why the application folder cannot be used (it cannot be created, is
  // not a folder, or may not be written); empty when it can.
  std::string error;
};

// The folders of the executable `rutaEjecutable` for the user of this
// process. An installed program's application folder is created when
// missing, with the folders above it that are missing too, readable by its
// owner only (it holds the log, which names servers and users).
CarpetasPrograma CarpetasDe(const std::string& rutaEjecutable);
// Those of the running executable, decided at the first call.
CarpetasPrograma CarpetasDelProceso();

// The installation found at start-up (IniciarSesion); none before that and
// for a program that is not installed.
void FijarInstalacion(std::optional<Instalacion> instalacion);
const std::optional<Instalacion>& InstalacionFijada();

// A file the program only reads (completopxe.sql): the one in
// `carpetaAplicacion`, where a user may put a replacement, else the
// installation's (InstalacionFijada). When neither exists, the path looked
// at last, so that a message names where the file belongs.
std::string ArchivoDeLectura(const std::string& carpetaAplicacion, const std::string& nombre);
