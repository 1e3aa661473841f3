#pragma once
// Database fixtures shared by the tests of every subsystem (library
// prueba_bd).
//  - ConBaseSqlite: a fresh embedded database file with the program's own
//    tables, the shared DB_Dll instance open on it as user "ana", a scripted
//    operator, TEMP pointed at the test's folder, and the run-wide values
//    back at their start state.
//  - ConGrabador: the shared instance open on the recording engine, for the
//    tests that assert the exact text of a statement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/DB_Dll.h"
#include "db/motor/MotorGrabador.h"
#include "support/CarpetaPrueba.h"
#include "support/VariableEntorno.h"

// Rows of a query run straight on a SQLite file (values as text, NULL as "<null>").
using Filas = std::vector<std::vector<std::string>>;
Filas ConsultarSqlite(const std::string& archivo, const std::string& sql);
// Runs one or more statements straight on a SQLite file; a failure fails the test.
void EjecutarSqlite(const std::string& archivo, const std::string& sql);

// The run-wide values the services and the unifier read, back at their start state.
void RestablecerGlobales();
// Closes both database objects and forgets their errors.
void CerrarBases();

// Points TEMP (the temporary folder, where the error log and the export's
// temporary files go) at a folder for the object's lifetime; the previous
// value comes back afterwards.
class TempEnCarpeta : public VariableEntorno {
 public:
  explicit TempEnCarpeta(const std::string& carpeta) : VariableEntorno("TEMP", carpeta) {}
};

class ConBaseSqlite : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Opens the shared instance on `archivo` as `usuario`.
  void Abrir(const std::string& archivo, const std::string& usuario = "ana");
  Filas Consultar(const std::string& sql) { return ConsultarSqlite(base, sql); }
  void Ejecutar(const std::string& sql) { EjecutarSqlite(base, sql); }

  CarpetaPrueba carpeta;
  TempEnCarpeta temp{carpeta.Ruta()};
  OperadorDePrueba op;
  std::string base = carpeta / "erp.sqlite";
  DB_Dll& db = DB();
};

class ConGrabador : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void ResponderFilas(const std::string& fragmento, std::vector<CampoInfo> campos,
                      std::vector<std::vector<Variant>> filas, int veces = -1) {
    grabacion->Responder(fragmento, RespuestaGrabada::Filas(std::move(campos), std::move(filas)), veces);
  }
  std::vector<std::string> Sentencias() { return grabacion->Sentencias(); }

  InstalacionGrabador grabacion;
  OperadorDePrueba op;
  CarpetaPrueba carpeta;
  TempEnCarpeta temp{carpeta.Ruta()};
  DB_Dll& db = DB();
};
