#include "support/BaseDePrueba.h"

#include <sqlite3.h>

#include <cstdlib>

#include "services/ActualizarDatoScript.h"
#include "sivlib/Regional.h"
#include "sivlib/ValoresGlobales.h"
#include "services/esquema/TablasPropias.h"

Filas ConsultarSqlite(const std::string& archivo, const std::string& sql) {
  Filas filas;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(archivo.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    // A program started by the test may be writing: wait for it (generous).
    sqlite3_busy_timeout(db, 60000);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
      while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> fila;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
          const unsigned char* t = sqlite3_column_text(st, i);
          fila.push_back(t ? reinterpret_cast<const char*>(t) : "<null>");
        }
        filas.push_back(fila);
      }
    } else {
      ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
    }
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return filas;
}

void EjecutarSqlite(const std::string& archivo, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(archivo.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
  sqlite3_busy_timeout(db, 60000);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << " in " << sql;
  sqlite3_free(error);
  sqlite3_close(db);
}

void RestablecerGlobales() {
  gParametroAdicional.clear();
  gEjecucionDesatendida = false;
  gUsuarioLogeado.clear();
  gCaja = "1";
  gTablaConfiguracion.clear();
  gDecimalesMoneda.clear();
  gConfidencialidad = false;
  gUtilizarFechaDia = false;
  gBarrasPlanas = 0;
  CamposPendientes().assign(1, ParCampo{});
  regional::Restablecer();
}

void CerrarBases() {
  for (DB_Dll* d : {&DB(), &DBEstadisticas()}) {
    d->gCnn->Close();
    d->gCnn->Errors.Clear();
    d->gOpenFlag = false;
    d->gEsAdmin = false;
    d->gConnString.clear();
    d->gProveedor.clear();
  }
}

void ConBaseSqlite::SetUp() {
  RestablecerGlobales();
  CerrarBases();
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  Abrir(base);
}

void ConBaseSqlite::Abrir(const std::string& archivo, const std::string& usuario) {
  CerrarBases();
  db.gServidor = "sqlite";
  db.gDBName = archivo;
  db.gUsuario = usuario;
  db.gUserPassWord.clear();
  db.gLogErr = carpeta / "PXERR.LOG";
  db.OpenServerADODB(false, 3, "", false, false);
  ASSERT_TRUE(db.gOpenFlag);
  db.gEsAdmin = true;
  gUsuarioLogeado = usuario;
}

void ConBaseSqlite::TearDown() {
  CerrarBases();
  RestablecerGlobales();
}

void ConGrabador::SetUp() {
  RestablecerGlobales();
  CerrarBases();
  db.gServidor = "srv";
  db.gDBName = "erp";
  db.gUsuario = "ana";
  db.gUserPassWord = "p";
  db.gExtended.clear();
  db.gLogErr = carpeta / "PXERR.LOG";
  db.OpenServerADODB(false, 3, "", false, false);
  ASSERT_TRUE(db.gOpenFlag);
  db.gEsAdmin = true;
  gUsuarioLogeado = "ana";
  grabacion->Limpiar();
}

void ConGrabador::TearDown() {
  CerrarBases();
  RestablecerGlobales();
}
