#pragma once
// Fixture of the scheduled-task tests: a fresh embedded database with the
// program's own tables and the shared database object open on it, a
// destination folder stored for this machine, a program folder holding a
// stand-in "ut_vorna" that records its first argument, and a stand-in
// crontab command that keeps the table in a file.
#include <gtest/gtest.h>

#include <string>

#include "support/CarpetaPrueba.h"

class TareaDePrueba : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The stand-in crontab's table.
  std::string Crontab() const { return LeerArchivo(carpeta / "crontab.txt"); }
  std::string ValorGuardado(const std::string& clave);
  void Guardar(const std::string& clave, const std::string& valor);

  CarpetaPrueba carpeta;
  OperadorDePrueba op;
  std::string base = carpeta / "erp.sqlite";
  std::string destino = carpeta / "Mis Datos";       // a folder with a blank
  std::string programa = carpeta / "programa/";
  std::string argumentoRecibido = carpeta / "argumento.txt";
};
