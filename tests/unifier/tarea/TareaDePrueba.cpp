#include "TareaDePrueba.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ReplicaCron.h"
#include "db/DB_Dll.h"
#include "services/Configuracion.h"
#include "services/esquema/TablasPropias.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/ClavesVorna.h"
#include "unifier/tarea/ComandoTarea.h"

void TareaDePrueba::SetUp() {
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  DB_Dll& db = DB();
  db.gCnn->Close();
  db.gServidor = "sqlite";
  db.gDBName = base;
  db.gUsuario = "ana";
  db.gUserPassWord = contrasena;
  db.OpenServerADODB(false, 3, "", false, false);
  ASSERT_TRUE(db.gOpenFlag);
  mkdir(destino.c_str(), 0755);
  mkdir(programa.c_str(), 0755);
  mkdir(casa.c_str(), 0755);
  EscribirArchivo(programa + "ut_vorna", "#!/bin/sh\nprintf '%s' \"$1\" > '" + argumentoRecibido + "'\n");
  gCarpetaAplicacion = programa;
  Guardar(vorna::ClaveCarpetaDestino(), destino);
  // The command file runs the crontab command itself: its parent's second
  // argument is the command file.
  const std::string crontab = ejecutables / "crontab.sh";
  EscribirArchivo(
      crontab,
      "#!/bin/sh\n"
      "tabla='" +
          (carpeta / "crontab.txt") +
          "'\n"
          "cmd=$(tr '\\0' '\\n' < /proc/$PPID/cmdline | sed -n 2p)\n"
          "[ -f \"$cmd\" ] && stat -c %a \"$cmd\" >> '" +
          derechosComando +
          "'\n"
          "if [ \"$1\" = -l ]; then [ -f \"$tabla\" ] || exit 1; cat \"$tabla\"; else cat > \"$tabla\"; fi\n");
  chmod(crontab.c_str(), 0755);
  setenv("UT_VORNA_CRONTAB", crontab.c_str(), 1);
}

void TareaDePrueba::TearDown() {
  unsetenv("UT_VORNA_CRONTAB");
  gCarpetaAplicacion.clear();
  DB().gCnn->Close();
  DB().gOpenFlag = false;
}

std::string TareaDePrueba::Entrada(const std::string& nombre) const {
  return LineaConEtiqueta(Crontab(), tarea::EtiquetaCron(nombre));
}

int TareaDePrueba::Replicar(const std::string& linea) const {
  return EjecutarComoCron(linea, casa, carpeta / "cron.txt");
}

std::string TareaDePrueba::UltimoMensaje() { return op->Mensajes().empty() ? "" : op->Mensajes().back().texto; }

std::string TareaDePrueba::ValorGuardado(const std::string& clave) { return Cfg(clave); }

void TareaDePrueba::Guardar(const std::string& clave, const std::string& valor) { vorna::GrabarDato(clave, valor); }
