#pragma once
// MenuExes, the launcher of the suite's other programs: it starts a program
// and hands it the current connection and user in a launch string, so that
// the program opens the same database as the same user without asking.
// The programs live in the application folder, named after the option
// (V_MA_CLIENTES for customers ...).
#include <cstdint>
#include <string>

// " ; @server=<server>; @dbname=<database>; @usuario=<user>; @Password=
// <password>; @ParametroAdicional=<Parametro>; ombu@ ; @UsuarioLogeado =
// <logged user>; @Caja=<cash box>;", from the shared database object and
// the run-wide values. It begins with a blank, apart from the program.
std::string LanzamientoMenuExes(const std::string& Parametro);

// The program an option names: "SHELL:" + a full path (any option with a
// "\" or "/") as it stands, else the application folder + the option
// without "SHELL:".
std::string ProgramaMenuExes(const std::string& Opcion);

// Starts the program of `Opcion` with the launch string and does not wait
// for it. `IdProceso` receives its process id, 0 when nothing started (the
// operator is then told "Opcion no Implementada!"). A failure to start goes
// to the standard error dialog (routine "MenuExes"): retry starts again,
// ignore goes on to that message, any other answer ends here.
void MenuExes(const std::string& Opcion, const std::string& Parametro, int32_t& IdProceso);
