// Opening the connection: strings, login window, retry dialog.
#include <gtest/gtest.h>

#include "AccesoGuionado.h"
#include "ConGrabador.h"

namespace {

class Conexiones : public ConGrabador {
 protected:
  void SetUp() override {
    ConGrabador::SetUp();
    db.gCnn->Close();
    grabacion->Limpiar();
  }
  std::string Abierta() {
    for (const std::string& l : grabacion->Llamadas())
      if (l.starts_with("Abrir ")) return l.substr(6);
    return {};
  }
  LoginDePrueba login;
};

TEST_F(Conexiones, ConnectionStrings) {
  db.gExtended = "App=UT;";
  db.gProveedor = "Otro";
  db.OpenServerADODB(false, 3, "", false, false);
  EXPECT_EQ(Abierta(), "PROVIDER=SQLOLEDB;Server=srv;Database =erp;UId=u;Pwd=p;App=UT;");
  EXPECT_EQ(db.gConnString, Abierta());
  EXPECT_TRUE(db.gEsAdmin);

  db.gCnn->Close();
  grabacion->Limpiar();
  db.gServidor = "ORA#1";
  db.OpenServerADODB(false, 3, "", false, false);
  EXPECT_EQ(Abierta(), "Provider=OraOLEDB.Oracle.1;Data Source=erp;User Id=u;Password=p;");

  db.gCnn->Close();
  grabacion->Limpiar();
  db.gProveedor.clear();
  db.OpenServerADODB(false, 3, "  DRIVER=x;  ", false, false);
  EXPECT_EQ(Abierta(), "  DRIVER=x;  ");
  EXPECT_EQ(db.gProveedor, "SQLOLEDB");
  EXPECT_EQ(db.gCnn->CursorLocation, 3);
}

TEST_F(Conexiones, LoginWindowReplacesAGivenString) {
  login->Aceptar([](DatosAcceso& d) {
    EXPECT_EQ(d.plataforma, 0);
    d.servidor = "otro";
    d.usuario = "ana";
  });
  db.OpenServerADODB(true, 3, "DRIVER=dado;", false, true);
  ASSERT_EQ(login->Mostrados().size(), 1u);
  EXPECT_EQ(login->Mostrados()[0].servidor, "srv");
  EXPECT_EQ(login->Mostrados()[0].baseDatos, "erp");
  EXPECT_EQ(Abierta(), "PROVIDER=SQLOLEDB;Server=otro;Database =erp;UId=ana;Pwd=p;");
  EXPECT_TRUE(db.gOpenFlag);
}

TEST_F(Conexiones, ChoosingOracleAppendsOneHash) {
  auto oracle = [](DatosAcceso& d) { d.plataforma = 1; };
  login->Aceptar(oracle);
  login->Aceptar(oracle);
  login->Aceptar();  // "SQL Server" again: the hash stays
  for (int i = 0; i < 3; ++i) {
    db.gCnn->Close();
    db.OpenServerADODB(true, 3, "", false, true);
  }
  EXPECT_EQ(db.gServidor, "srv#");
  EXPECT_EQ(db.gProveedor, "SQLOLEDB");
  EXPECT_EQ(db.gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=erp;User Id=u;Password=p;");
}

TEST_F(Conexiones, CancelledLoginKeepsTheAdministratorFlag) {
  db.gEsAdmin = true;
  login->Cancelar();
  db.OpenServerADODB(true, 3, "", true, true);
  EXPECT_FALSE(db.gOpenFlag);
  EXPECT_TRUE(db.gEsAdmin);
  EXPECT_EQ(Abierta(), "");
}

TEST_F(Conexiones, AdministratorCheck) {
  grabacion->FijarTablas({"TA_USUARIOS"});
  grabacion->Responder("FROM ta_usuarios", RespuestaGrabada::Filas({{"Administrador", tipo_ado::VarWChar}},
                                                                   {{Variant(" 1.00")}}));
  db.gEsAdmin = false;
  db.OpenServerADODB(false, 3, "", true, true);
  EXPECT_TRUE(db.gEsAdmin);
  EXPECT_EQ(Ultima(), "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='u' ");
  const auto llamadas = grabacion->Llamadas();
  EXPECT_NE(std::find(llamadas.begin(), llamadas.end(), "FijarBaseDatos erp"), llamadas.end());
  // Quiet opening: the table is enough.
  db.gCnn->Close();
  db.gEsAdmin = false;
  grabacion->Limpiar();
  db.OpenServerADODB(false, 3, "", true, false);
  EXPECT_TRUE(db.gEsAdmin);
  EXPECT_TRUE(grabacion->Sentencias().empty());
  // A blank database name keeps the old value.
  db.gCnn->Close();
  db.gEsAdmin = false;
  db.gDBName = " ";
  db.OpenServerADODB(false, 3, "", true, true);
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_FALSE(db.gEsAdmin);
}

TEST_F(Conexiones, AlreadyOpenIsClosedAndReopenedOnce) {
  db.OpenServerADODB(false, 3, "", false, true);
  grabacion->Limpiar();
  db.OpenServerADODB(false, 3, "", false, true);
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_TRUE(op->Mensajes().empty());
  const auto llamadas = grabacion->Llamadas();
  EXPECT_NE(std::find(llamadas.begin(), llamadas.end(), "Cerrar"), llamadas.end());
}

TEST_F(Conexiones, FailureWithoutProviderRecordsShowsItsDescription) {
  grabacion->falloAlAbrir.numero = 3706;
  grabacion->falloAlAbrir.descripcion = "Provider cannot be found.";
  db.OpenServerADODB(false, 3, "", false, true);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Provider cannot be found.");
  EXPECT_EQ(op->Mensajes()[0].estilo, 0);
  EXPECT_FALSE(db.gOpenFlag);
}

// Nothing listens on port 1 of the loopback: FreeTDS fails at once.
class ServidorAusente : public ::testing::Test {
 protected:
  void SetUp() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gServidor = "127.0.0.1,1";
    db.gDBName = "ERP";
    db.gUsuario = "sa";
    db.gUserPassWord = "x";
    db.gProveedor.clear();
    db.gExtended.clear();
    db.gLogErr = carpeta / "PXERR.LOG";
    db.gCnn->ConnectionTimeout = 2;
  }
  void TearDown() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gCnn->ConnectionTimeout = 15;
  }
  OperadorDePrueba op;
  LoginDePrueba login;
  CarpetaPrueba carpeta;
  DB_Dll& db = DB();
};

TEST_F(ServidorAusente, ConnectionErrorDialogAndItsRetryLoop) {
  op->ResponderMensaje(6);
  op->ResponderMensaje(7);
  login->Aceptar();
  db.OpenServerADODB(false, 3, "", true, true);
  EXPECT_FALSE(db.gOpenFlag);
  ASSERT_EQ(op->Mensajes().size(), 2u);
  ASSERT_GE(db.gCnn->Errors.Count(), 1);
  const ErrorProveedor& p = db.gCnn->Errors.Item(0);
  EXPECT_EQ(p.estadoSql, "08S01");
  const std::string esperado = " Estado de Sql: " + p.estadoSql + "\rNumero de Error: " + std::to_string(p.numero) +
                               "\rDescripcion: " + p.descripcion + "\rCodigo Nativo: " + std::to_string(p.nativo) +
                               "\r - Desea Intentarlo Nuevamente??? ";
  for (const auto& m : op->Mensajes()) {
    EXPECT_EQ(m.titulo, " Error de Conexion a Base de Datos");
    EXPECT_EQ(m.estilo, 4 + 16);
    EXPECT_EQ(m.texto, esperado);
  }
  // The retry asked for the credentials again.
  EXPECT_EQ(login->Mostrados().size(), 1u);
}

TEST_F(ServidorAusente, QuietFailure) {
  db.OpenServerADODB(false, 3, "", false, false);
  EXPECT_FALSE(db.gOpenFlag);
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_FALSE(Existe(carpeta / "PXERR.LOG"));
}

TEST_F(ServidorAusente, ReconnectFailsQuietly) {
  db.gCnn->ConnectionString = "PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Database =ERP;UId=sa;Pwd=x;";
  db.ReintentaConectar();
  EXPECT_FALSE(db.gOpenFlag);
  EXPECT_EQ(db.gCnn->CommandTimeout, 5);
  EXPECT_TRUE(op->Mensajes().empty());
  db.gCnn->CommandTimeout = 30;
}

}  // namespace
