#pragma once
// Single-instance rule: the program refuses to start while another copy runs.
#include <string>

// The program file's fixed name; the check uses it, not the name the file
// was started under.
inline constexpr const char* kArchivoPrograma = "UT_VORNA.EXE";

// Number of running processes whose executable name equals `nombre`,
// ignoring case; 0 when the process list cannot be read. The executable
// name is the file name of /proc/<pid>/exe, or of the command's first word
// when that link cannot be read (processes of other users).
int ContarProcesos(const std::string& nombre);

// True when another process runs under the program's name. Asks with the
// name given (".exe" appended when missing), then, when nothing else runs
// under it, with the other form (".exe" removed, or appended). `nombre`
// comes back in the last form asked. Any failure answers false.
bool InstanciaActiva(std::string& nombre);
