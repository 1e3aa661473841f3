#include "unifier/tarea/ComandoTarea.h"

#include "sivlib/Texto.h"
#include "unifier/tarea/HoraTarea.h"

namespace tarea {
namespace {

// A line break would end the crontab entry early.
std::string SinSaltos(std::string s) {
  for (auto& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return s;
}

// A value for the command part of a crontab entry: quoted for the shell,
// each "%" outside the quotes and escaped. cron turns an unescaped "%" into
// a line break and "\%" into "%", but it has no way to pass a backslash
// followed by "%"; outside the quotes the character before "\%" is always
// the closing quote, so a password such as a\%b reaches the program intact.
std::string ParaCron(const std::string& valor) {
  return texto::ReemplazarTodo(ComillasShell(SinSaltos(valor)), "%", "'\\%'");
}

}  // namespace

std::string NombreArchivoComando() { return "TAREA.CMD"; }

std::string NombreArchivoPrograma() {
#ifdef _WIN32
  return "UT_VORNA.EXE";
#else
  return "ut_vorna";
#endif
}

std::string LineasSchtasks(const std::string& nombre, const std::string& hora, const std::string& proceso,
                           const std::string& parametros) {
  return "SCHTASKS /Delete /TN " + nombre + " /F" + "\r\n" + "SCHTASKS /Create /TN " + nombre + " /SC DAILY /ST " +
         hora + " /TR " + "\"" + proceso + parametros + "\"" + "\r\n";
}

std::string ComillasShell(const std::string& texto) { return "'" + texto::ReemplazarTodo(texto, "'", "'\\''") + "'"; }

std::string EtiquetaCron(const std::string& nombre) {
  // The tag ends the entry's command as a shell comment; cron still reads
  // "%" there, so it is escaped as everywhere else in the line.
  return "# ut_vorna-tarea:" + texto::ReemplazarTodo(texto::Recortado(SinSaltos(nombre)), "%", "\\%");
}

std::string EntradaCron(const std::string& nombre, const std::string& hora, const std::string& programa,
                        const std::string& parametros, const std::string& carpetaAplicacion) {
  const HoraMinuto hm = LeerHora(hora).value_or(HoraMinuto{});
  std::string entrada = std::to_string(hm.minuto) + " " + std::to_string(hm.hora) + " * * * ";
  if (!carpetaAplicacion.empty()) entrada += "UT_VORNA_CARPETA=" + ParaCron(carpetaAplicacion) + " ";
  entrada += ParaCron(texto::Recortado(programa));
  if (!texto::Recortado(parametros).empty()) entrada += " " + ParaCron(parametros);
  return entrada + " " + EtiquetaCron(nombre);
}

std::string GuionCron(const std::string& nombre, const std::string& hora, const std::string& programa,
                      const std::string& parametros, const std::string& carpetaAplicacion) {
  return "#!/bin/sh\n"
         "# Daily unattended run of ut_vorna (task " +
         SinSaltos(texto::Recortado(nombre)) +
         "), written by ut_vorna.\n"
         "CRONTAB=\"${UT_VORNA_CRONTAB:-crontab}\"\n"
         "ETIQUETA=" +
         ComillasShell(EtiquetaCron(nombre)) +
         "\n"
         "export ETIQUETA\n"
         "if ! command -v \"$CRONTAB\" >/dev/null 2>&1; then\n"
         "  echo \"no se encontro el comando $CRONTAB (paquete cron)\" >&2\n"
         "  exit 127\n"
         "fi\n"
         "TRABAJO=$(mktemp -d) || exit 1\n"
         "trap 'rm -rf \"$TRABAJO\"' EXIT\n"
         "# 1. the user's table as it stands; a user without one gets an empty table\n"
         "\"$CRONTAB\" -l >\"$TRABAJO/actual\" 2>\"$TRABAJO/error\"\n"
         "ESTADO=$?\n"
         "if [ \"$ESTADO\" -ne 0 ] && { [ \"$ESTADO\" -ge 126 ] || [ -s \"$TRABAJO/actual\" ]; }; then\n"
         "  cat \"$TRABAJO/error\" >&2\n"
         "  exit \"$ESTADO\"\n"
         "fi\n"
         "# 2. every line but the task's entry, blank lines and comments included;\n"
         "#    the tag is compared as text (ENVIRON keeps its backslashes)\n"
         "awk 'BEGIN { t = ENVIRON[\"ETIQUETA\"] }\n"
         "     length($0) < length(t) || substr($0, length($0) - length(t) + 1) != t' \\\n"
         "  \"$TRABAJO/actual\" >\"$TRABAJO/nueva\" || exit 1\n"
         "# 3. the daily entry\n"
         "printf '%s\\n' " +
         ComillasShell(EntradaCron(nombre, hora, programa, parametros, carpetaAplicacion)) +
         " >>\"$TRABAJO/nueva\" || exit 1\n"
         "\"$CRONTAB\" - <\"$TRABAJO/nueva\"\n";
}

std::string TextoArchivoComando(const std::string& nombre, const std::string& hora, const std::string& proceso,
                                const std::string& parametros, const std::string& carpetaAplicacion) {
#ifdef _WIN32
  (void)carpetaAplicacion;
  return LineasSchtasks(nombre, hora, proceso, parametros);
#else
  return GuionCron(nombre, hora, proceso, parametros, carpetaAplicacion);
#endif
}

}  // namespace tarea
