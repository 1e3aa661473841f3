#include "TareaDePrueba.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstdlib>

#include "db/DB_Dll.h"
#include "services/Configuracion.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/ClavesVorna.h"
#include "services/esquema/TablasPropias.h"
#include "unifier/tarea/FrmTareaProgramadaModelo.h"

void TareaDePrueba::SetUp() {
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  DB_Dll& db = DB();
  db.gCnn->Close();
  db.gServidor = "sqlite";
  db.gDBName = base;
  db.gUsuario = "ana";
  db.gUserPassWord = "cl'a%ve";
  db.OpenServerADODB(false, 3, "", false, false);
  ASSERT_TRUE(db.gOpenFlag);
  mkdir(destino.c_str(), 0755);
  mkdir(programa.c_str(), 0755);
  EscribirArchivo(programa + "ut_vorna", "#!/bin/sh\nprintf '%s' \"$1\" > '" + argumentoRecibido + "'\n");
  gCarpetaAplicacion = programa;
  Guardar(vorna::ClaveCarpetaDestino(), destino);
  const std::string crontab = carpeta / "crontab.sh";
  EscribirArchivo(crontab,
                  "#!/bin/sh\ntabla='" + (carpeta / "crontab.txt") +
                      "'\nif [ \"$1\" = -l ]; then [ -f \"$tabla\" ] || exit 1; cat \"$tabla\"; else cat > \"$tabla\"; fi\n");
  chmod(crontab.c_str(), 0755);
  setenv("UT_VORNA_CRONTAB", crontab.c_str(), 1);
}

void TareaDePrueba::TearDown() {
  unsetenv("UT_VORNA_CRONTAB");
  gCarpetaAplicacion.clear();
  DB().gCnn->Close();
  DB().gOpenFlag = false;
}

std::string TareaDePrueba::ValorGuardado(const std::string& clave) { return Cfg(clave); }

void TareaDePrueba::Guardar(const std::string& clave, const std::string& valor) {
  vorna::GrabarDato(clave, valor);
}
