#include "unifier/tarea/ComandoTarea.h"

#include "sivlib/Texto.h"
#include "unifier/tarea/HoraTarea.h"

namespace tarea {

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
  return "SCHTASKS /Delete /TN " + nombre + " /F" + "\r\n" + "SCHTASKS /Create /TN " + nombre +
         " /SC DAILY /ST " + hora + " /TR " + "\"" + proceso + parametros + "\"" + "\r\n";
}

std::string ComillasShell(const std::string& texto) {
  return "'" + texto::ReemplazarTodo(texto, "'", "'\\''") + "'";
}

std::string EtiquetaCron(const std::string& nombre) {
  // A line break in the name would end the entry early.
  std::string limpio = nombre;
  for (auto& c : limpio)
    if (c == '\n' || c == '\r') c = ' ';
  return "# ut_vorna-tarea:" + texto::Recortado(limpio);
}

std::string EntradaCron(const std::string& nombre, const std::string& hora, const std::string& programa,
                        const std::string& parametros) {
  const HoraMinuto hm = LeerHora(hora).value_or(HoraMinuto{});
  // cron turns an unescaped "%" into a line break before the shell sees it.
  auto paraCron = [](const std::string& s) { return texto::ReemplazarTodo(ComillasShell(s), "%", "\\%"); };
  std::string entrada = std::to_string(hm.minuto) + " " + std::to_string(hm.hora) + " * * * " +
                        paraCron(texto::Recortado(programa));
  if (!texto::Recortado(parametros).empty()) entrada += " " + paraCron(parametros);
  for (auto& c : entrada)
    if (c == '\n' || c == '\r') c = ' ';
  return entrada + " " + EtiquetaCron(nombre);
}

std::string GuionCron(const std::string& nombre, const std::string& hora, const std::string& programa,
                      const std::string& parametros) {
  const std::string etiqueta = EtiquetaCron(nombre);
  return "#!/bin/sh\n"
         "# Daily unattended run of ut_vorna (task " + texto::Recortado(nombre) + "), written by ut_vorna.\n"
         "CRONTAB=\"${UT_VORNA_CRONTAB:-crontab}\"\n"
         "ETIQUETA=" + ComillasShell(etiqueta) + "\n"
         "ACTUAL=$(\"$CRONTAB\" -l 2>/dev/null) || ACTUAL=\n"
         "# 1. remove the entry tagged with the task name\n"
         "RESTO=$(printf '%s\\n' \"$ACTUAL\" | awk -v t=\"$ETIQUETA\" "
         "'$0 != \"\" && (length($0) < length(t) || substr($0, length($0) - length(t) + 1) != t)')\n"
         "# 2. add the daily entry\n"
         "{ if [ -n \"$RESTO\" ]; then printf '%s\\n' \"$RESTO\"; fi\n"
         "  printf '%s\\n' " + ComillasShell(EntradaCron(nombre, hora, programa, parametros)) + "\n"
         "} | \"$CRONTAB\" -\n";
}

std::string TextoArchivoComando(const std::string& nombre, const std::string& hora, const std::string& proceso,
                                const std::string& parametros) {
#ifdef _WIN32
  return LineasSchtasks(nombre, hora, proceso, parametros);
#else
  return GuionCron(nombre, hora, proceso, parametros);
#endif
}

}  // namespace tarea
