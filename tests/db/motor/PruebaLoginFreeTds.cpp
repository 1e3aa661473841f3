// What the program sends to SQL Server through FreeTDS, read by a listener
// on the loopback address: the login record (protocol version, database in
// the program's character set, no language of the library's own), the
// statements of a new session in the order they come, and a statement sent
// while another's rows are still pending.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ServidorTdsDePrueba.h"
#include "db/DB_Dll.h"
#include "db/motor/AjustesResultados.h"
#include "db/motor/ControladoresOdbc.h"
#include "db/motor/MotorOdbc.h"
#include "support/CarpetaPrueba.h"

namespace {

std::string Servidor(const ServidorTdsDePrueba& s) { return "127.0.0.1," + std::to_string(s.Puerto()); }

class LoginFreeTds : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("UT_VORNA_DRIVER_SQLSERVER");
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    FijarControladoresOdbc("", "");
  }
};

TEST_F(LoginFreeTds, ElRegistroDeLoginLlevaVersionBaseYNingunIdioma) {
  ServidorTdsDePrueba servidor(ServidorTdsDePrueba::Modo::SoloLogin);
  ASSERT_NE(servidor.Puerto(), 0);
  // A database name outside ASCII arrives whole only if the client's
  // character set is the program's (UTF-8).
  const std::string cadena = "PROVIDER=SQLOLEDB;Server=" + Servidor(servidor) + ";Database =VENTAS_AÑO;UId=ana;Pwd=x;";
  auto m = CrearMotor(cadena);
  m->FijarTiempoConexion(10);
  EXPECT_FALSE(m->Abrir(cadena, "", "").Ok());  // the listener closes after the login record
  const ServidorTdsDePrueba::Login login = servidor.LoginRecibido();
  ASSERT_TRUE(login.recibido);
  EXPECT_EQ(login.version, 0x74000004u);  // TDS 7.4
  EXPECT_EQ(login.base, "VENTAS_AÑO");
  EXPECT_EQ(login.usuario, "ana");
  // Empty: the session keeps the login's default language.
  EXPECT_EQ(login.idioma, "");
}

TEST_F(LoginFreeTds, LaSesionRecibePrimeroElOrdenDeLasFechasYDiceSuLimite) {
  ServidorTdsDePrueba servidor(ServidorTdsDePrueba::Modo::AceptaLogin);
  ASSERT_NE(servidor.Puerto(), 0);
  CarpetaPrueba carpeta;
  OperadorDePrueba op;
  DB_Dll& db = DB();
  db.gCnn->Close();
  db.gCnn->Errors.Clear();
  db.gCnn->IsolationLevel = 256;
  db.gServidor = Servidor(servidor);
  db.gDBName = "ERP";
  db.gUsuario = "ana";
  db.gUserPassWord = "x";
  db.gProveedor.clear();
  db.gExtended.clear();
  db.gLogErr = carpeta / "PXERR.LOG";
  db.OpenServerADODB(false, 3, "", false, true);
  EXPECT_TRUE(db.gOpenFlag) << (op->Mensajes().empty() ? "" : op->Mensajes()[0].texto);
  // FreeTDS tells the engine that SQL Server keeps one active result.
  ASSERT_NE(db.gCnn->motor(), nullptr);
  EXPECT_EQ(db.gCnn->motor()->ResultadosActivosMaximos(), 1);
  // The program's texts travel in its own character set.
  db.EjecutaConsultaSQL("UPDATE MA_ZONAS SET Descripcion = 'Año ñandú' WHERE Codigo = 'Z1'");
  db.gCnn->Close();
  db.gCnn->IsolationLevel = 4096;
  db.gConnString.clear();
  const std::vector<std::string> lotes = servidor.Lotes();
  ASSERT_FALSE(lotes.empty());
  EXPECT_EQ(lotes[0], "SET DATEFORMAT dmy");
  ASSERT_EQ(lotes.size(), 3u);
  EXPECT_NE(lotes[1].find("READ UNCOMMITTED"), std::string::npos) << lotes[1];
  EXPECT_EQ(lotes[2], "UPDATE MA_ZONAS SET Descripcion = 'Año ñandú' WHERE Codigo = 'Z1'");
}

TEST_F(LoginFreeTds, UnaSentenciaMientrasOtroResultadoEstaPendiente) {
  FijarTamanosResultado({2, size_t(1) << 20});
  // The bare ODBC engine: FreeTDS itself refuses the second statement.
  {
    ServidorTdsDePrueba servidor(ServidorTdsDePrueba::Modo::AceptaLogin, 5);
    const std::string cadena = "PROVIDER=SQLOLEDB;Server=" + Servidor(servidor) + ";Database =ERP;UId=ana;Pwd=x;";
    auto m = CrearMotorOdbc(TipoOdbc::SqlServer);
    ASSERT_TRUE(m->Abrir(cadena, "", "").Ok());
    EXPECT_EQ(m->ResultadosActivosMaximos(), 1);
    std::unique_ptr<Cursor> c;
    ASSERT_TRUE(m->Ejecutar("SELECT n FROM T", &c, nullptr).Ok());
    Resultado r;
    ASSERT_TRUE(c->Siguiente(r));
    const Resultado ocupada = m->Ejecutar("UPDATE U SET n = 1", nullptr, nullptr);
    EXPECT_EQ(ocupada.numero, ado::ObjetoEnUso) << ocupada.descripcion;
    ASSERT_FALSE(ocupada.errores.empty());
    c.reset();
    m->Cerrar();
    EXPECT_EQ(servidor.Lotes(), (std::vector<std::string>{"SELECT n FROM T"}));
  }
  // Behind the guard the rest of the rows move aside first.
  ServidorTdsDePrueba servidor(ServidorTdsDePrueba::Modo::AceptaLogin, 5);
  const std::string cadena = "PROVIDER=SQLOLEDB;Server=" + Servidor(servidor) + ";Database =ERP;UId=ana;Pwd=x;";
  auto m = CrearMotor(cadena);
  ASSERT_TRUE(m->Abrir(cadena, "", "").Ok());
  std::unique_ptr<Cursor> c;
  ASSERT_TRUE(m->Ejecutar("SELECT n FROM T", &c, nullptr).Ok());
  Resultado r;
  std::vector<double> filas;
  ASSERT_TRUE(c->Siguiente(r));
  filas.push_back(c->Valor(0).Numero());
  const Resultado anidada = m->Ejecutar("UPDATE U SET n = 1", nullptr, nullptr);
  EXPECT_TRUE(anidada.Ok()) << anidada.descripcion;
  while (c->Siguiente(r)) filas.push_back(c->Valor(0).Numero());
  EXPECT_TRUE(r.Ok()) << r.descripcion;
  EXPECT_EQ(filas, (std::vector<double>{1, 2, 3, 4, 5}));
  c.reset();
  m->Cerrar();
  FijarTamanosResultado({});
  EXPECT_EQ(servidor.Lotes(), (std::vector<std::string>{"SELECT n FROM T", "UPDATE U SET n = 1"}));
}

}  // namespace
