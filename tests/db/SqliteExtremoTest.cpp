// End to end on a real SQLite file: server "sqlite", database = file path.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "db/DB_Dll.h"
#include "db/VentanaAcceso.h"
#include "sivlib/ValoresGlobales.h"
#include "support/CarpetaPrueba.h"

namespace {

void Crear(const std::string& ruta, const char* sql) {
  sqlite3* h = nullptr;
  ASSERT_EQ(sqlite3_open(ruta.c_str(), &h), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(h, sql, nullptr, nullptr, &error);
  EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(h);
}

constexpr const char* kEsquema = R"(
CREATE TABLE TA_USUARIOS (nombre TEXT, Administrador TEXT);
INSERT INTO TA_USUARIOS VALUES ('admin', ' 1.0'), ('ana', '0');
CREATE TABLE MA_ZONAS (codigo TEXT PRIMARY KEY, descripcion TEXT);
INSERT INTO MA_ZONAS VALUES ('Z1', 'Centro'), ('Z2', 'Norte');
CREATE TABLE MA_CLIENTES (codigo TEXT PRIMARY KEY, nombre TEXT, zona TEXT, ciudad TEXT, alta TEXT, saldo REAL);
INSERT INTO MA_CLIENTES VALUES ('C1', 'Uno', 'Z1', NULL, '2026-01-05', 10.5),
  ('C2', 'Dos', 'Z2', 'Lima', '2026-02-10', 0), ('C3', 'Tres', 'Z1', 'Cusco', NULL, NULL);
CREATE TABLE TA_CONFIGURACION (clave TEXT, grupo TEXT, valor TEXT, cambio TEXT);
INSERT INTO TA_CONFIGURACION VALUES ('NRO_PAQUETE', 'G', '15', NULL), ('OTRA', 'G', 'x', NULL);
)";

class SqliteExtremo : public ::testing::Test {
 protected:
  void SetUp() override {
    ruta = carpeta / "erp.sqlite";
    Crear(ruta, kEsquema);
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gServidor = "sqlite";
    db.gDBName = ruta;
    db.gUsuario = "admin";
    db.gUserPassWord = "";
    db.gProveedor.clear();
    db.gExtended.clear();
    db.gLogErr = carpeta / "PXERR.LOG";
    db.gEsAdmin = false;
  }
  void TearDown() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gEsAdmin = false;
    db.gConnString.clear();
  }
  void Abrir() {
    db.OpenServerADODB(false, 3, "", true, true);
    ASSERT_TRUE(db.gOpenFlag);
  }

  CarpetaPrueba carpeta;
  OperadorDePrueba op;
  std::string ruta;
  DB_Dll& db = DB();
};

TEST_F(SqliteExtremo, OpensAndChecksTheAdministrator) {
  Abrir();
  EXPECT_EQ(db.gConnString, "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + ruta + ";UId=admin;Pwd=;");
  EXPECT_TRUE(db.gEsAdmin);
  db.gCnn->Close();
  db.gUsuario = "ana";
  Abrir();
  EXPECT_FALSE(db.gEsAdmin);
  db.gCnn->Close();
  db.gUsuario = "nadie";
  Abrir();
  EXPECT_FALSE(db.gEsAdmin);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(SqliteExtremo, ExistenceTestsAndFieldReads) {
  Abrir();
  EXPECT_TRUE(db.ExisteTablaDB("ma_clientes"));
  EXPECT_FALSE(db.ExisteTablaDB("MA_NADA"));
  EXPECT_TRUE(db.ExisteCampoDB("MA_CLIENTES", "CIUDAD"));
  EXPECT_FALSE(db.ExisteCampoDB("MA_CLIENTES", "falta"));
  EXPECT_TRUE(db.ExisteEnTabla("MA_CLIENTES", " C2 ", "codigo", nullptr, 8));
  EXPECT_FALSE(db.ExisteEnTabla("MA_CLIENTES", "C9", "codigo", nullptr, 8));
  EXPECT_TRUE(db.ExisteEnTablaST("MA_CLIENTES", "C1", "codigo", nullptr, 8));
  EXPECT_TRUE(db.ExisteEnTabla("MA_CLIENTES", "", "", nullptr, std::nullopt, "zona = 'Z2'"));
  EXPECT_EQ(db.DatosTabla("MA_CLIENTES", "C2", "ciudad", "codigo", 8).Texto(), "Lima");
  EXPECT_EQ(db.DatosTabla("MA_CLIENTES", "C1", "ciudad", "codigo", 8).Texto(), "");
  EXPECT_EQ(db.DatosTabla("MA_CLIENTES", "C1", "nombre", "codigo", 8, "zona = 'Z2'").Texto(), "");
  EXPECT_EQ(db.BuscaMaximo("MA_CLIENTES", "saldo").Numero(), 10.5);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(SqliteExtremo, JoinWithTopConcatenationAndIsnull) {
  Abrir();
  Recordset rs;
  db.AbrirRecordset(
      "SELECT TOP 2 c.codigo + ' - ' + z.descripcion AS rotulo, ISNULL(c.ciudad, 'S/C') AS ciudad "
      "FROM MA_CLIENTES c with(nolock) INNER JOIN MA_ZONAS z with(nolock) ON z.codigo = c.zona "
      "ORDER BY c.codigo",
      rs);
  ASSERT_EQ(rs.State(), estado_objeto::Abierto);
  std::vector<std::string> filas;
  for (; !rs.Eof(); rs.MoveNext()) filas.push_back(rs.Valor("ROTULO").Texto() + "|" + rs.Fields(1L)->Value().Texto());
  EXPECT_EQ(filas, (std::vector<std::string>{"C1 - Centro|S/C", "C2 - Norte|Lima"}));
  EXPECT_EQ(rs.MoveNext().numero, ado::FinDeArchivo);
  db.CierraRecordset(rs);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(SqliteExtremo, DuplicateAndMissingTableStayInTheErrorList) {
  Abrir();
  db.EjecutaConsultaSQL("INSERT INTO MA_ZONAS (codigo, descripcion) VALUES ('Z1', 'Otra')");
  ASSERT_GE(db.gCnn->Errors.Count(), 1);
  EXPECT_EQ(db.gCnn->Errors.Item(0).nativo, 2627);
  db.gCnn->Errors.Clear();
  db.EjecutaConsultaSQL("UPDATE MA_NADA SET a = 1");
  ASSERT_GE(db.gCnn->Errors.Count(), 1);
  EXPECT_EQ(db.gCnn->Errors.Item(0).nativo, 208);
  EXPECT_TRUE(op->Mensajes().empty());
  // A read of a missing table goes to the dialog and its log line.
  op->ResponderMensaje(3);
  Recordset rs;
  db.AbrirRecordset("SELECT * FROM MA_NADA", rs);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_NE(op->Mensajes()[0].texto.find("(-2147217865)"), std::string::npos);
  EXPECT_NE(LeerArchivo(carpeta / "PXERR.LOG").find(" Rutina: - AbrirRecordset Mensaje "), std::string::npos);
}

TEST_F(SqliteExtremo, AddNewAndUpdateThroughTheRecordset) {
  Abrir();
  Recordset rs;
  db.AbrirRecordset("SELECT * FROM TA_CONFIGURACION WHERE clave = 'NUEVA'", rs, nullptr, cursor_ado::Dinamico,
                    bloqueo_ado::Optimista);
  ASSERT_TRUE(rs.Eof());
  ASSERT_FALSE(rs.AddNew().HayError());
  rs.Asignar("clave", Variant("NUEVA"));
  rs.Asignar("GRUPO", Variant("G"));
  rs.Asignar("valor", Variant("l'uno"));
  ASSERT_FALSE(rs.Update().HayError());
  EXPECT_EQ(rs.Valor("valor").Texto(), "l'uno");
  db.CierraRecordset(rs);
  EXPECT_EQ(db.DatosTabla("TA_CONFIGURACION", "NUEVA", "valor", "clave", 8).Texto(), "l'uno");

  db.AbrirRecordset("SELECT * FROM TA_CONFIGURACION WHERE clave = 'NRO_PAQUETE'", rs, nullptr, cursor_ado::Dinamico,
                    bloqueo_ado::Optimista);
  ASSERT_FALSE(rs.Eof());
  rs.Asignar("valor", Variant("16"));
  rs.Asignar("cambio", Variant(FechaHora{2026, 3, 4, 10, 20, 30}));
  const ErrorSistema e = rs.Update();
  ASSERT_FALSE(e.HayError()) << e.descripcion << " " << db.gCnn->Errors.Item(0).descripcion;
  db.CierraRecordset(rs);
  EXPECT_EQ(db.DatosTabla("TA_CONFIGURACION", "NRO_PAQUETE", "valor", "clave", 8).Texto(), "16");
  EXPECT_EQ(db.DatosTabla("TA_CONFIGURACION", "OTRA", "valor", "clave", 8).Texto(), "x");

  // A pending edit is dropped when the recordset is closed.
  db.AbrirRecordset("SELECT * FROM TA_CONFIGURACION WHERE clave = 'OTRA'", rs, nullptr, cursor_ado::Dinamico,
                    bloqueo_ado::Optimista);
  rs.Asignar("valor", Variant("perdido"));
  db.CierraRecordset(rs);
  EXPECT_EQ(rs.State(), estado_objeto::Cerrado);
  EXPECT_EQ(db.DatosTabla("TA_CONFIGURACION", "OTRA", "valor", "clave", 8).Texto(), "x");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(SqliteExtremo, ReadOnlyAndJoinedRecordsetsRefuseChanges) {
  Abrir();
  Recordset rs;
  db.AbrirRecordset("SELECT * FROM MA_ZONAS", rs);
  EXPECT_EQ(rs.AddNew().numero, 3251);
  db.AbrirRecordset("SELECT * FROM MA_ZONAS z JOIN MA_CLIENTES c ON c.zona = z.codigo", rs, nullptr,
                    cursor_ado::Dinamico, bloqueo_ado::Optimista);
  EXPECT_EQ(rs.Asignar("descripcion", Variant("x")).numero, 3251);
}

TEST_F(SqliteExtremo, SchemaUpgradeAddsAColumn) {
  Abrir();
  EXPECT_TRUE(db.VerCampoDB("MA_ZONAS", "orden", true, "int", true, Variant("0")));
  EXPECT_TRUE(db.ExisteCampoDB("MA_ZONAS", "orden"));
}

TEST_F(SqliteExtremo, MissingFileFailsAsAMissingDatabase) {
  db.gDBName = carpeta / "no-existe.sqlite";
  db.OpenServerADODB(false, 3, "", true, false);
  EXPECT_FALSE(db.gOpenFlag);
  EXPECT_FALSE(Existe(carpeta / "no-existe.sqlite"));
}

TEST_F(SqliteExtremo, LocalFileChosenByTheOperator) {
  db.gProveedor = DB_Dll::pJETOLEDB40();
  db.gDBName = "";
  op->ResponderTexto("");  // cancelled: nothing is opened
  db.OpenLocalADODB();
  EXPECT_EQ(db.gCnn->State(), estado_objeto::Cerrado);
  op->ResponderTexto(ruta);
  db.OpenLocalADODB({}, "User ID", "Password");
  ASSERT_EQ(db.gCnn->State(), estado_objeto::Abierto);
  EXPECT_EQ(db.gDBName, ruta);
  EXPECT_EQ(db.gConnString, "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =" + ruta + ";User ID=admin;Password=;");
  const auto archivos = op->Mostrados();
  ASSERT_EQ(archivos.size(), 2u);
  EXPECT_EQ(archivos[1].titulo, "Buscar Base de Datos");
  EXPECT_EQ(archivos[1].texto, "Base de Datos de Microsoft Access |*.MDB");
  EXPECT_TRUE(db.ExisteTablaDB("MA_ZONAS"));
}

TEST_F(SqliteExtremo, MissingLocalFileIsChosenAgain) {
  db.gProveedor = DB_Dll::pJETOLEDB40();
  db.gDBName = carpeta / "movido.mdb";
  op->ResponderTexto(ruta);
  db.OpenLocalADODB({}, "User ID", "Password");
  ASSERT_EQ(db.gCnn->State(), estado_objeto::Abierto);
  EXPECT_EQ(db.gDBName, ruta);
  ASSERT_EQ(op->Mostrados().size(), 1u);
  EXPECT_EQ(op->Mostrados()[0].clase, "Archivo");
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_FALSE(Existe(carpeta / "movido.mdb"));
}

TEST_F(SqliteExtremo, CancelledLoginOpensNothing) {
  db.gEsAdmin = true;
  db.OpenServerADODB(true, 3, "PROVIDER=x", true, true);
  EXPECT_FALSE(db.gOpenFlag);
  EXPECT_TRUE(db.gEsAdmin);
  EXPECT_EQ(db.gCnn->State(), estado_objeto::Cerrado);
}

TEST_F(SqliteExtremo, ADroppedConnectionIsReopenedOnTheNextRead) {
  Abrir();
  db.gCnn->Close();
  db.gCnn->Errors.Agregar(ErrorProveedor{"08S01", ado::ErrorNoEspecificado, "link failure", 0, "x"});
  EXPECT_EQ(db.DatosTabla("MA_CLIENTES", "C2", "nombre", "codigo", 8).Texto(), "Dos");
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(SqliteExtremo, UnaBaseEnUnaCarpetaLlamadaOracleSigueEnElDialectoDeSqlServer) {
  // Every way the program reads and writes keeps ISNULL, not Oracle's NVL.
  const std::string enOracle = carpeta / "home/oracle/ORACLE_HIST.sqlite";
  std::filesystem::create_directories(carpeta / "home/oracle");
  std::filesystem::copy_file(ruta, enOracle);
  db.gDBName = enOracle;
  db.gUsuario = "oracle";
  Abrir();
  EXPECT_EQ(db.ORACLE_Dicc("SELECT ISNULL(ciudad, '-') FROM MA_CLIENTES"),
            "SELECT ISNULL(ciudad, '-') FROM MA_CLIENTES");
  Recordset rs;
  db.AbrirRecordset("SELECT ISNULL(ciudad, '-') AS C FROM MA_CLIENTES WHERE codigo = 'C1'", rs);
  ASSERT_EQ(rs.State(), estado_objeto::Abierto);
  EXPECT_EQ(rs.Valor("C").Texto(), "-");
  db.CierraRecordset(rs);
  long filas = 0;
  std::string sql = "UPDATE MA_CLIENTES SET saldo = ISNULL(saldo, 0) + 1 WHERE codigo = 'C3'";
  db.EjecutaConsultaSQL(sql, filas);
  EXPECT_EQ(filas, 1);
  EXPECT_TRUE(db.ExisteEnTabla("MA_CLIENTES", "C3", "codigo", nullptr, 8, "ISNULL(saldo, 0) = 1"));
  EXPECT_FALSE(db.ExisteCampoDB("MA_CLIENTES", "NO_ESTA"));
  EXPECT_TRUE(op->Mensajes().empty());
}

}  // namespace
