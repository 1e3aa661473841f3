#pragma once
// Fixture of the tests that assert statement texts: the shared DB_Dll
// instance opened on the recording engine, a scripted operator, and a
// default answer of one empty column for every SELECT.
#include <gtest/gtest.h>

#include "db/DB_Dll.h"
#include "db/motor/MotorGrabador.h"
#include "sivlib/ValoresGlobales.h"
#include "support/CarpetaPrueba.h"

class ConGrabador : public ::testing::Test {
 protected:
  void SetUp() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gServidor = "srv";
    db.gDBName = "erp";
    db.gUsuario = "u";
    db.gUserPassWord = "p";
    db.gProveedor.clear();
    db.gExtended.clear();
    db.gLogErr = carpeta / "PXERR.LOG";
    db.gEsAdmin = true;
    db.OpenServerADODB(false, 3, "", false, false);
    ASSERT_TRUE(db.gOpenFlag);
    grabacion->Limpiar();
  }
  void TearDown() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gEsAdmin = false;
    db.gConnString.clear();
    gConfidencialidad = false;
  }
  // Rows answered for statements containing `fragmento`.
  void Filas(const std::string& fragmento, std::vector<CampoInfo> campos, std::vector<std::vector<Variant>> filas,
             int veces = -1) {
    grabacion->Responder(fragmento, RespuestaGrabada::Filas(std::move(campos), std::move(filas)), veces);
  }
  std::string Ultima() {
    const auto s = grabacion->Sentencias();
    return s.empty() ? std::string() : s.back();
  }

  InstalacionGrabador grabacion;
  OperadorDePrueba op;
  CarpetaPrueba carpeta;
  DB_Dll& db = DB();
};
