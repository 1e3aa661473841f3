#pragma once
// The command file that registers the daily unattended run.
//
// The command file is "TAREA.CMD" in the destination folder. On Windows it
// holds two SCHTASKS lines (delete the task, create it again). Here the
// task scheduler is the user's crontab: the same file is a shell script
// that removes the entry tagged with the task name and adds the daily
// entry that runs the program with the same parameter text at the given
// time. The crontab command is "crontab" unless the
// environment variable UT_VORNA_CRONTAB names another (tests use a
// stand-in). Values are quoted for the shell and for cron, so a folder
// with blanks or a password with quotes or "%" reaches the program intact.
#include <string>

namespace tarea {

// "TAREA.CMD" on every platform: the operator and the support staff look
// for the file by that name (it is run through the shell here, so its
// extension does not matter).
std::string NombreArchivoComando();
// The program file as copied into the destination folder: "UT_VORNA.EXE" on Windows, "ut_vorna" here.
std::string NombreArchivoPrograma();

// The two lines of TAREA.CMD, each ended by CR LF.
std::string LineasSchtasks(const std::string& nombre, const std::string& hora, const std::string& proceso,
                           const std::string& parametros);

// The tag that marks the crontab entry of a task, as the entry ends with
// it ("%" escaped for cron). The command file removes every line that ends
// with the tag, so a second "Aceptar" replaces the task's own entry.
std::string EtiquetaCron(const std::string& nombre);
// The crontab entry: "MM HH * * * '<program>' '<parameters>' # ut_vorna-tarea:<name>".
// Each "%" of the values stands outside the quotes, escaped: 'a'\%'b'.
// With `carpetaAplicacion` the program runs with UT_VORNA_CARPETA set to it:
// "MM HH * * * UT_VORNA_CARPETA='<folder>' '<program>' ...".
// `hora` must be valid (HoraValida).
std::string EntradaCron(const std::string& nombre, const std::string& hora, const std::string& programa,
                        const std::string& parametros, const std::string& carpetaAplicacion = "");
// The shell script written as command file here (LF line ends, the file
// system's encoding). It ends with a status other than 0, after a message
// on standard error, when the crontab command is missing, the table cannot
// be read or the new table is refused; every other line of the table stays
// as it was.
std::string GuionCron(const std::string& nombre, const std::string& hora, const std::string& programa,
                      const std::string& parametros, const std::string& carpetaAplicacion = "");
// The command file's text for this platform.
std::string TextoArchivoComando(const std::string& nombre, const std::string& hora, const std::string& proceso,
                                const std::string& parametros, const std::string& carpetaAplicacion = "");

// Text quoted for the POSIX shell: 'a'\''b'.
std::string ComillasShell(const std::string& texto);

}  // namespace tarea
