#pragma once
// Fixture of the scheduled-task tests: a fresh embedded database with the
// program's own tables and the shared database object open on it (its
// password holds quotes, "%" and backslashes), a destination folder stored
// for this machine, a program folder holding a stand-in "ut_vorna" that
// records its first argument, a stand-in crontab command that keeps the
// table in a file and notes the rights of the command file that calls it,
// and a home folder for the cron-like replay of the registered entry.
#include <gtest/gtest.h>

#include <string>

#include "support/CarpetaPrueba.h"

class TareaDePrueba : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The stand-in crontab's table.
  std::string Crontab() const { return LeerArchivo(carpeta / "crontab.txt"); }
  // The table's line of the task `nombre`; empty when none.
  std::string Entrada(const std::string& nombre = "UnificadorVorna") const;
  // Runs a crontab line as cron would (home folder `casa`); its output goes to Salida().
  int Replicar(const std::string& linea) const;
  std::string Salida() const { return LeerArchivo(carpeta / "cron.txt"); }
  // The last message shown to the operator.
  std::string UltimoMensaje();
  std::string ValorGuardado(const std::string& clave);
  void Guardar(const std::string& clave, const std::string& valor);

  CarpetaPrueba carpeta;
  // What cron would run (the stand-ins and the copied program) lives apart
  // from the data: the temporary folder may forbid running programs.
  CarpetaProgramas ejecutables;
  OperadorDePrueba op;
  std::string base = carpeta / "erp.sqlite";
  std::string contrasena = "c\\l'a%v\\%e\"";
  std::string destino = ejecutables / "Mis Datos";  // a folder with a blank
  std::string programa = ejecutables / "programa/";
  std::string casa = carpeta / "casa/";
  std::string argumentoRecibido = carpeta / "argumento.txt";
  // One line per call of the stand-in crontab: the octal rights of the command file.
  std::string derechosComando = carpeta / "derechos.txt";
};
