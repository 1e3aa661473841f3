// Opening the connection: strings, login window, retry dialog.
#include <gtest/gtest.h>

#include "AccesoGuionado.h"
#include "ConGrabador.h"
#include "support/PuertoCerrado.h"

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

TEST_F(Conexiones, AdministratorFieldReadAsANumber) {
  grabacion->FijarTablas({"TA_USUARIOS"});
  struct Caso {
    std::optional<Variant> administrador;  // none: the user has no row
    bool esAdmin;
  } casos[] = {
      {Variant("1"), true},   {Variant(" 1.00"), true}, {Variant(1), true},   {Variant("1.5"), false},
      {Variant("2"), false},  {Variant("0"), false},    {Variant(""), false}, {Variant::Nulo(), false},
      {Variant("si"), false}, {std::nullopt, false},
  };
  for (const Caso& c : casos) {
    std::vector<std::vector<Variant>> filas;
    if (c.administrador) filas.push_back({*c.administrador});
    // Answers once: the earlier rows' rules are used up.
    grabacion->Responder("FROM ta_usuarios", RespuestaGrabada::Filas({{"Administrador", tipo_ado::VarWChar}}, filas),
                         1);
    db.gCnn->Close();
    db.gEsAdmin = !c.esAdmin;
    db.OpenServerADODB(false, 3, "", true, true);
    EXPECT_EQ(db.gEsAdmin, c.esAdmin) << (c.administrador ? c.administrador->Texto() : "no row");
    EXPECT_TRUE(op->Mensajes().empty());
  }
}

TEST_F(Conexiones, AdministratorCheck) {
  grabacion->FijarTablas({"TA_USUARIOS"});
  grabacion->Responder("FROM ta_usuarios",
                       RespuestaGrabada::Filas({{"Administrador", tipo_ado::VarWChar}}, {{Variant(" 1.00")}}));
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
  EXPECT_EQ(grabacion->Sentencias(), (std::vector<std::string>{"SET DATEFORMAT dmy"}));
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

TEST_F(Conexiones, AlreadyOpenWithProviderRecordsAsksTheOperatorFirst) {
  db.OpenServerADODB(false, 3, "", false, true);
  db.gCnn->Errors.Agregar(ErrorProveedor{"08S01", -2147467259, "enlace caido", 10054, "x"});
  op->ResponderMensaje(7);
  db.OpenServerADODB(false, 3, "", false, true);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].titulo, " Error de Conexion a Base de Datos");
  EXPECT_EQ(op->Mensajes()[0].texto,
            " Estado de Sql: 08S01\rNumero de Error: -2147467259\rDescripcion: enlace caido"
            "\rCodigo Nativo: 10054\r - Desea Intentarlo Nuevamente??? ");
  EXPECT_FALSE(db.gOpenFlag);
  // Quietly, the same failure is closed and reopened once.
  op->Limpiar();
  db.OpenServerADODB(false, 3, "", false, false);
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(Conexiones, LocalFileFailures) {
  db.gProveedor = DB_Dll::pJETOLEDB40();
  db.gDBName = "datos.mdb";
  db.gExtended = "X=1;";
  auto rechazo = [&](const char* estado) {
    grabacion->falloAlAbrir = RespuestaGrabada::Falla(ado::ErrorNoEspecificado, 0, estado, "Jet").resultado;
  };
  auto abiertas = [&] {
    std::vector<std::string> v;
    for (const std::string& l : grabacion->Llamadas())
      if (l.starts_with("Abrir ")) v.push_back(l.substr(6));
    return v;
  };
  const std::string base = "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =datos.mdb;UID=u;PWD=p;X=1;";

  // Wrong password with the stored one allowed: the stored one is added.
  rechazo("3031");
  db.gIgnoraPassWord = Variant(true);
  op->ResponderTexto("");  // then the operator is asked, and cancels
  db.OpenLocalADODB("", "UID", "PWD");
  EXPECT_EQ(abiertas(), (std::vector<std::string>{base, base + "Jet OLEDB:Database Password=p;"}));
  ASSERT_EQ(op->Mostrados().size(), 1u);
  EXPECT_EQ(op->Mostrados()[0].clase, "Entrada");
  EXPECT_EQ(op->Mostrados()[0].texto, "ingrese el password:");
  EXPECT_EQ(op->Mostrados()[0].titulo, "Password Access");

  // Without it the operator's answer is added, with its leading blank.
  grabacion->Limpiar();
  op->Limpiar();
  db.gIgnoraPassWord = Variant::Nulo();
  op->ResponderTexto("clave");
  op->ResponderTexto("");
  db.OpenLocalADODB("", "UID", "PWD");
  EXPECT_EQ(abiertas(), (std::vector<std::string>{base, base + " Jet OLEDB:Database Password=clave;"}));

  // File not found: the operator chooses the file again.
  for (const char* estado : {"3024", "3051", "3044"}) {
    grabacion->Limpiar();
    op->Limpiar();
    rechazo(estado);
    op->ResponderTexto("");
    db.OpenLocalADODB("", "UID", "PWD");
    ASSERT_EQ(op->Mostrados().size(), 1u) << estado;
    EXPECT_EQ(op->Mostrados()[0].clase, "Archivo");
    EXPECT_EQ(op->Mostrados()[0].titulo, "Buscar Base de Datos");
    db.gDBName = "datos.mdb";
  }

  // Anything else: number, two blanks, description, critical icon.
  grabacion->Limpiar();
  op->Limpiar();
  rechazo("HY000");
  db.OpenLocalADODB("", "UID", "PWD");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "-2147467259  Jet");
  EXPECT_EQ(op->Mensajes()[0].estilo, 16);
  EXPECT_EQ(abiertas().size(), 1u);
  EXPECT_EQ(db.gCnn->State(), estado_objeto::Cerrado);
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

// Nothing listens on the loopback port: FreeTDS fails at once.
class ServidorAusente : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(puerto.Numero(), 0);
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gServidor = Servidor();
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
  std::string Servidor() const { return "127.0.0.1," + std::to_string(puerto.Numero()); }

  PuertoCerrado puerto;
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
  db.gCnn->ConnectionString = "PROVIDER=SQLOLEDB;Server=" + Servidor() + ";Database =ERP;UId=sa;Pwd=x;";
  db.gCnn->CommandTimeout = 360;
  db.ReintentaConectar();
  EXPECT_FALSE(db.gOpenFlag);
  // The short time-out was the reconnect's own: the configured one stays.
  EXPECT_EQ(db.gCnn->CommandTimeout, 360);
  EXPECT_TRUE(op->Mensajes().empty());
  db.gCnn->CommandTimeout = 30;
}

}  // namespace
