// The embedded engine end to end, on real SQLite files: compared values
// answer as SQL Server answers them, and opening waits for a lock and names
// the engine's reason when it fails.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/Motor.h"
#include "support/CarpetaPrueba.h"

namespace {

std::string CadenaSqlite(const std::string& base) {
  return "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + base + ";UId=sa;Pwd=x;";
}

class MotorSqliteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ruta_ = carpeta_ / "erp.sqlite";
    ASSERT_TRUE(CrearBaseSqlite(ruta_).Ok());
    m_ = CrearMotor(CadenaSqlite(ruta_));
    ASSERT_TRUE(m_->Abrir(CadenaSqlite(ruta_), "", "").Ok());
  }

  void Ok(const std::string& sql) {
    Resultado r = m_->Ejecutar(sql, nullptr, nullptr);
    ASSERT_TRUE(r.Ok()) << sql << "\n" << r.descripcion;
  }

  // Every row of a query, each value as text (dates in ISO form).
  std::vector<std::vector<std::string>> Filas(const std::string& sql) {
    std::unique_ptr<Cursor> c;
    Resultado r = m_->Ejecutar(sql, &c, nullptr);
    EXPECT_TRUE(r.Ok()) << sql << "\n" << r.descripcion;
    std::vector<std::vector<std::string>> filas;
    if (!c) return filas;
    while (c->Siguiente(r)) {
      std::vector<std::string> fila;
      for (size_t i = 0; i < c->Campos().size(); ++i) {
        const Variant v = c->Valor(i);
        fila.push_back(v.EsFecha() ? v.Fecha().Iso() : v.EsNulo() ? "<null>" : v.Texto());
      }
      filas.push_back(fila);
    }
    EXPECT_TRUE(r.Ok()) << r.descripcion;
    return filas;
  }

  Resultado Falla(const std::string& sql) { return m_->Ejecutar(sql, nullptr, nullptr); }

  // Each condition on `tabla`, against the IDs (first column) of the rows it selects, in order.
  struct CasoIds {
    const char* condicion;
    const char* ids;
  };
  void VerificarIds(const std::string& tabla, std::initializer_list<CasoIds> casos) {
    for (const CasoIds& c : casos) {
      std::string ids;
      for (const auto& fila : Filas("SELECT ID FROM " + tabla + " WHERE " + c.condicion + " ORDER BY ID"))
        ids += (ids.empty() ? "" : " ") + fila[0];
      EXPECT_EQ(ids, c.ids) << c.condicion;
    }
  }

  void CrearVentas() {
    Ok("CREATE TABLE V_MV_Stock (TC varchar(4), IDCOMPROBANTE varchar(10), SECUENCIA int, IdVendedor varchar(5), "
       "FECHA datetime, Anulado bit, Cantidad money)\r\n"
       "CREATE TABLE V_MV_Cpte (TC varchar(4), IDCOMPROBANTE varchar(10), FECHA datetime, PorcDescuento1 money)\r\n"
       "CREATE TABLE V_TA_VENDEDORES (IdVendedor varchar(5) PRIMARY KEY, Nombre varchar(50))");
    Ok("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES (N'V1', N'Ana')\r\n"
       "INSERT INTO V_MV_Stock VALUES ('FC', 'A0001', 1, 'V1', '01/12/2026', 0, 2)\r\n"
       "INSERT INTO V_MV_Stock VALUES ('FP', 'X0002', 2, 'V9', '03/12/2026 14:05:00', 0, 3)\r\n"
       "INSERT INTO V_MV_Stock VALUES ('FC', 'A0003', 3, 'V1', '04/12/2026 10:00:00', 0, 4)\r\n"
       "INSERT INTO V_MV_Stock VALUES ('FC', 'A0004', 4, 'V1', '02/12/2026', 1, 5)\r\n"
       "INSERT INTO V_MV_Cpte VALUES ('FC', 'A0001', '30/11/2026', NULL)");
  }

  CarpetaPrueba carpeta_;
  std::string ruta_;
  std::unique_ptr<Motor> m_;
};

}  // namespace

TEST(MotorSqliteApertura, BaseInexistenteFallaComoEnElServidorYNoCreaArchivo) {
  CarpetaPrueba carpeta;
  const std::string ruta = carpeta / "no_esta.sqlite";
  auto m = CrearMotor(CadenaSqlite(ruta));
  Resultado r = m->Abrir(CadenaSqlite(ruta), "", "");
  EXPECT_EQ(r.numero, ado::ErrorNoEspecificado);
  ASSERT_FALSE(r.errores.empty());
  EXPECT_EQ(r.errores[0].nativo, 4060);
  EXPECT_FALSE(m->Abierto());
  EXPECT_FALSE(Existe(ruta));
}

TEST(MotorSqliteApertura, BaseDeEstadisticasAlLadoDeLaPrincipalYProveedorJet) {
  CarpetaPrueba carpeta;
  const std::string principal = carpeta / "erp.sqlite";
  ASSERT_TRUE(CrearBaseSqlite(principal).Ok());
  EXPECT_EQ(CrearBaseSqlite(principal).errores.at(0).nativo, 1801);
  auto m = CrearMotor(CadenaSqlite(principal));
  ASSERT_TRUE(m->Abrir(CadenaSqlite(principal), "", "").Ok());

  EXPECT_EQ(RutaBaseSqlite("PX_ESTADISTICAS"), carpeta / "PX_ESTADISTICAS.sqlite");
  auto e = CrearMotor(CadenaSqlite("PX_ESTADISTICAS"));
  EXPECT_EQ(e->Abrir(CadenaSqlite("PX_ESTADISTICAS"), "", "").errores.at(0).nativo, 4060);
  // The provisioning's own script creates it.
  ASSERT_TRUE(m->Ejecutar("Create Database PX_ESTADISTICAS COLLATE Latin1_General_CI_AI \r", nullptr, nullptr).Ok());
  EXPECT_TRUE(Existe(carpeta / "PX_ESTADISTICAS.sqlite"));
  EXPECT_TRUE(e->Abrir(CadenaSqlite("PX_ESTADISTICAS"), "", "").Ok());

  const std::string jet = "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =" + principal + ";User ID=a;Password=b;";
  auto j = CrearMotor(jet);
  ASSERT_TRUE(j->Abrir(jet, "", "").Ok());
  EXPECT_TRUE(j->Ejecutar("CREATE TABLE T (A int)", nullptr, nullptr).Ok());
}

TEST_F(MotorSqliteTest, TiposDeCamposYValores) {
  Ok("CREATE TABLE T (a varchar(50), b nvarchar(20), c char(3), d int, e smallint, f bit, g money, "
     "h decimal(18,2), i float, j datetime, k text, l date)");
  long n = 0;
  ASSERT_TRUE(m_->Ejecutar("INSERT INTO T VALUES ('x', N'ñandú', 'abc', 7, 2, 1, 12.5, 3.25, 1.5, "
                           "'09/12/2026 14:05:00', 'largo', '09/12/2026')",
                           nullptr, &n)
                  .Ok());
  EXPECT_EQ(n, 1);
  std::unique_ptr<Cursor> c;
  ASSERT_TRUE(m_->Ejecutar("SELECT T.*, d + 1 AS suma, GETDATE() AS hoy, NULL AS nada FROM T", &c, &n).Ok());
  ASSERT_TRUE(c);
  EXPECT_EQ(n, -1);
  const std::vector<std::pair<int, long>> esperados = {{200, 50},         {202, 20}, {129, 3},  {3, 4}, {2, 2},
                                                       {11, 2},           {6, 8},    {131, 19}, {5, 8}, {135, 16},
                                                       {201, 2147483647}, {133, 6}};
  const auto& campos = c->Campos();
  ASSERT_EQ(campos.size(), 15u);
  for (size_t i = 0; i < esperados.size(); ++i) {
    EXPECT_EQ(campos[i].tipoAdo, esperados[i].first) << campos[i].nombre;
    EXPECT_EQ(campos[i].tamanoDefinido, esperados[i].second) << campos[i].nombre;
  }
  EXPECT_EQ(campos[12].nombre, "suma");
  EXPECT_EQ(campos[12].tipoAdo, tipo_ado::BigInt);
  EXPECT_EQ(campos[13].tipoAdo, tipo_ado::DBTimeStamp);
  Resultado r;
  ASSERT_TRUE(c->Siguiente(r));
  EXPECT_EQ(c->Valor(1).Texto(), "ñandú");
  EXPECT_EQ(c->Valor(3).Numero(), 7);
  EXPECT_TRUE(c->Valor(5).EsBooleano());
  EXPECT_TRUE(c->Valor(5).Logico());
  EXPECT_EQ(c->Valor(6).Numero(), 12.5);
  ASSERT_TRUE(c->Valor(9).EsFecha());
  EXPECT_EQ(c->Valor(9).Fecha(), (FechaHora{2026, 12, 9, 14, 5, 0}));
  ASSERT_TRUE(c->Valor(11).EsFecha());
  EXPECT_EQ(c->Valor(11).Fecha(), (FechaHora{2026, 12, 9}));
  EXPECT_EQ(c->Valor(12).Numero(), 8);
  EXPECT_TRUE(c->Valor(13).EsFecha());
  EXPECT_TRUE(c->Valor(14).EsNulo());
  EXPECT_FALSE(c->Siguiente(r));
  EXPECT_TRUE(r.Ok());
}

TEST_F(MotorSqliteTest, JoinConTopConcatenacionIsNullYFechas) {
  CrearVentas();
  const auto filas = Filas(
      "SELECT TOP 2 dbo.V_MV_Stock.TC + DBO.V_MV_Stock.IDCOMPROBANTE AS TRANSACCION,"
      " ISNULL(dbo.V_MV_Cpte.FECHA, dbo.V_MV_Stock.FECHA) AS Fecha, ISNULL(V.Nombre, '') + ' (' + "
      "dbo.V_MV_Stock.IdVendedor + ')' AS Vendedor, dbo.V_MV_Stock.Cantidad + 1 AS Mas\r\n"
      " FROM dbo.V_MV_Stock with(nolock) LEFT OUTER JOIN\r\n"
      " dbo.V_MV_Cpte ON dbo.V_MV_Stock.TC = dbo.V_MV_Cpte.TC AND dbo.V_MV_Stock.IDCOMPROBANTE = "
      "dbo.V_MV_Cpte.IDCOMPROBANTE\r\n"
      " LEFT OUTER JOIN V_TA_VENDEDORES V ON V_MV_Stock.IdVendedor = V.IdVendedor\r\n"
      " WHERE (dbo.V_MV_Stock.Anulado = 0) AND (dbo.V_MV_Stock.TC IN (N'FC', N'FP')) \r\n"
      " AND (dbo.V_MV_Stock.FECHA>='01/12/2026' AND dbo.V_MV_Stock.FECHA<='04/12/2026') \r\n"
      " order by Fecha, secuencia\r\n");
  // The row of 04/12 at 10:00 is after the end day's midnight: SQL Server leaves it out too.
  EXPECT_EQ(filas, (std::vector<std::vector<std::string>>{{"FCA0001", "2026-11-30", "Ana (V1)", "3"},
                                                          {"FPX0002", "2026-12-03 14:05:00", " (V9)", "4"}}));
  EXPECT_EQ(Filas("SELECT TOP 2 TC + IDCOMPROBANTE FROM V_MV_Stock WHERE FECHA >= '01/12/2026' ORDER BY FECHA DESC"),
            (std::vector<std::vector<std::string>>{{"FCA0003"}, {"FPX0002"}}));
  EXPECT_EQ(Filas("SELECT TOP 50 PERCENT SECUENCIA FROM V_MV_Stock ORDER BY SECUENCIA"),
            (std::vector<std::vector<std::string>>{{"1"}, {"2"}}));
}

TEST_F(MotorSqliteTest, FuncionesDelDialecto) {
  CrearVentas();
  EXPECT_EQ(
      Filas("SELECT LEN('ab  '), CHARINDEX('c', 'abCd'), SUBSTRING('abcdef', 0, 3), LTRIM(RTRIM('  x ')),"
            " CONVERT(NVARCHAR, FECHA, 103), CONVERT(varchar(8), FECHA, 112), CONVERT(INT, '42'),"
            " CAST(Cantidad AS varchar(10)) + 'u', LEFT(IDCOMPROBANTE, 2), RIGHT(IDCOMPROBANTE, 2)"
            " FROM V_MV_Stock WHERE SECUENCIA = 2"),
      (std::vector<std::vector<std::string>>{{"2", "3", "ab", "x", "03/12/2026", "20261203", "42", "3u", "X0", "02"}}));
  const Resultado r = Falla("SELECT 'abc' + 1");
  EXPECT_EQ(r.errores.at(0).nativo, 245);
}

TEST_F(MotorSqliteTest, ErroresConLosCodigosDelServidor) {
  Ok("CREATE TABLE TA_A (ID int PRIMARY KEY, N varchar(10))\r\n"
     "CREATE TABLE TA_B (ID int, A int REFERENCES TA_A(ID))");
  Ok("INSERT INTO TA_A VALUES (1, 'uno')");
  struct Caso {
    const char* sql;
    long numero, nativo;
    const char* estado;
  } casos[] = {
      {"INSERT INTO TA_A VALUES (1, 'otro')", ado::ViolacionIntegridad, 2627, "23000"},
      {"INSERT INTO TA_B VALUES (1, 99)", ado::ViolacionIntegridad, 547, "23000"},
      {"SELECT * FROM NO_EXISTE with(nolock)", ado::TablaInexistente, 208, "42S02"},
      {"CREATE TABLE TA_A (X int)", ado::ErrorEnComando, 2714, "42S01"},
      {"SELEC * FROM TA_A", ado::ErrorEnComando, 102, "42000"},
      {"CREATE INDEX IX_A ON TA_A (N)\r\nCREATE INDEX IX_A ON TA_A (N)", ado::ErrorEnComando, 1913, "42000"},
      {"CREATE TABLE TA_C (A int PRIMARY KEY, B int PRIMARY KEY)", ado::ErrorEnComando, 1779, "42000"},
      {"SELECT NoHay FROM TA_A", ado::ErrorEnComando, 207, "42S22"},
  };
  for (const auto& c : casos) {
    const Resultado r = Falla(c.sql);
    EXPECT_EQ(r.numero, c.numero) << c.sql;
    ASSERT_EQ(r.errores.size(), 1u) << c.sql;
    EXPECT_EQ(r.errores[0].numero, c.numero) << c.sql;
    EXPECT_EQ(r.errores[0].nativo, c.nativo) << c.sql << ": " << r.descripcion;
    EXPECT_EQ(r.errores[0].estadoSql, c.estado) << c.sql;
  }
  EXPECT_EQ(Falla("SELECT * FROM NO_EXISTE").descripcion, "Invalid object name 'NO_EXISTE'.");
}

TEST_F(MotorSqliteTest, LoteConTransaccionEnLineasSeparadas) {
  Ok("CREATE TABLE Control_Acceso (Maquina varchar(10), Usuario varchar(10), Ingreso datetime)");
  long n = 0;
  ASSERT_TRUE(
      m_->Ejecutar("BEGIN TRANSACTION \r\r"
                   "INSERT INTO Control_Acceso (Maquina,Usuario,Ingreso) VALUES ('PC07','ANA','03/05/24 14:07')\r"
                   "INSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC08','LUIS')\r",
                   nullptr, &n)
          .Ok());
  EXPECT_EQ(n, 2);
  ASSERT_TRUE(m_->Ejecutar("COMMIT TRANSACTION", nullptr, nullptr).Ok());
  EXPECT_EQ(Filas("SELECT Maquina, Ingreso FROM Control_Acceso ORDER BY Maquina"),
            (std::vector<std::vector<std::string>>{{"PC07", "2024-05-03 14:07:00"}, {"PC08", "<null>"}}));

  // A failing statement stops the batch; the caller rolls back.
  const Resultado r =
      m_->Ejecutar("BEGIN TRANSACTION \r\rDELETE Control_Acceso\rINSERT INTO Nada VALUES (1)\r", nullptr, nullptr);
  EXPECT_EQ(r.errores.at(0).nativo, 208);
  ASSERT_TRUE(m_->Ejecutar("ROLLBACK TRANSACTION", nullptr, nullptr).Ok());
  EXPECT_EQ(Filas("SELECT COUNT(*) FROM Control_Acceso"), (std::vector<std::vector<std::string>>{{"2"}}));
  EXPECT_EQ(Falla("COMMIT TRANSACTION").errores.at(0).nativo, 3902);

  // Nested: only the outer commit commits; the engine's calls and the texts share one count.
  ASSERT_TRUE(m_->ComenzarTransaccion().Ok());
  Ok("BEGIN TRAN\rDELETE Control_Acceso WHERE Maquina = 'PC08'\rCOMMIT TRAN");
  ASSERT_TRUE(m_->DeshacerTransaccion().Ok());
  EXPECT_EQ(Filas("SELECT COUNT(*) FROM Control_Acceso"), (std::vector<std::vector<std::string>>{{"2"}}));
  Ok("SET NOCOUNT ON");
}

TEST_F(MotorSqliteTest, LecturaEnFlujoSinCargarElResultado) {
  // An endless sequence: only a cursor that steps row by row can hand out its first rows.
  std::unique_ptr<Cursor> c;
  ASSERT_TRUE(
      m_->Ejecutar("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) SELECT x FROM n", &c, nullptr)
          .Ok());
  Resultado r;
  for (int i = 1; i <= 1000; ++i) {
    ASSERT_TRUE(c->Siguiente(r));
    ASSERT_EQ(c->Valor(0).Numero(), i);
  }
  // The cursor outlives the engine's Cerrar and its file.
  m_->Cerrar();
  ASSERT_TRUE(c->Siguiente(r));
  EXPECT_EQ(c->Valor(0).Numero(), 1001);
}

TEST_F(MotorSqliteTest, ListasDeEsquema) {
  Ok("CREATE TABLE TA_USUARIOS (Nombre varchar(20), Administrador int)\r\nCREATE VIEW V_U AS\r\nSELECT Nombre FROM "
     "TA_USUARIOS");
  std::vector<std::string> nombres;
  ASSERT_TRUE(m_->Tablas(nombres).Ok());
  EXPECT_EQ(nombres, (std::vector<std::string>{"TA_USUARIOS", "V_U"}));
  ASSERT_TRUE(m_->Columnas("ERP", "dbo.ta_usuarios", nombres).Ok());
  EXPECT_EQ(nombres, (std::vector<std::string>{"Nombre", "Administrador"}));
  EXPECT_TRUE(m_->FijarBaseDatos("ERP").Ok());
}

// An error log line keeps its "dd/mm/yy hh:mm" text; the date column of the
// same row gets a date. The table is created in the same batch, and a
// column added later is known at once.
TEST_F(MotorSqliteTest, FechasEnColumnasDeTextoQuedanComoSeEscribieron) {
  Ok("CREATE TABLE AUX_ERR (Id int, Fecha varchar(20), Alta datetime)\r\n"
     "INSERT INTO AUX_ERR (Id, Fecha, Alta) VALUES (1, '09/12/26 23:13', '09/12/26 23:13')\r\n"
     "INSERT INTO dbo.AUX_ERR VALUES (2, '03/12/26 08:00', '03/12/2026 08:00:00')");
  EXPECT_EQ(Filas("SELECT Id, Fecha, Alta FROM AUX_ERR ORDER BY Id"),
            (std::vector<std::vector<std::string>>{{"1", "09/12/26 23:13", "2026-12-09 23:13:00"},
                                                   {"2", "03/12/26 08:00", "2026-12-03 08:00:00"}}));
  EXPECT_EQ(Filas("SELECT Id FROM AUX_ERR WHERE Alta >= '05/12/2026 10:00:00'"),
            (std::vector<std::vector<std::string>>{{"1"}}));

  Ok("UPDATE AUX_ERR SET Fecha = '10/12/26 07:30', Alta = '10/12/26 07:30' WHERE Id = 2");
  EXPECT_EQ(Filas("SELECT Fecha, Alta FROM AUX_ERR WHERE Id = 2"),
            (std::vector<std::vector<std::string>>{{"10/12/26 07:30", "2026-12-10 07:30:00"}}));

  Ok("ALTER TABLE AUX_ERR ADD Nota varchar(20)");
  Ok("INSERT INTO AUX_ERR (Id, Nota) VALUES (3, '01/01/2027')");
  EXPECT_EQ(Filas("SELECT Nota FROM AUX_ERR WHERE Id = 3"), (std::vector<std::vector<std::string>>{{"01/01/2027"}}));
}

TEST_F(MotorSqliteTest, TextosComparadosSinBlancosFinalesYGuardadosConEllos) {
  Ok("CREATE TABLE TAREAS (USUARIO varchar(20), C varchar(10))\r\n"
     "INSERT INTO TAREAS VALUES ('ana', 'a b')\r\n"
     "INSERT INTO TAREAS VALUES ('luis', 'ab')");
  EXPECT_EQ(Filas("SELECT C FROM TAREAS WHERE USUARIO = 'ana '"), (std::vector<std::vector<std::string>>{{"a b"}}));
  EXPECT_EQ(Filas("SELECT USUARIO FROM TAREAS WHERE C LIKE 'a %'"), (std::vector<std::vector<std::string>>{{"ana"}}));
  long n = 0;
  ASSERT_TRUE(m_->Ejecutar("UPDATE TAREAS SET C = 'x ' WHERE USUARIO = 'ana '", nullptr, &n).Ok());
  EXPECT_EQ(n, 1);
  EXPECT_EQ(Filas("SELECT C || '|' FROM TAREAS WHERE USUARIO IN ('ana  ')"),
            (std::vector<std::vector<std::string>>{{"x |"}}));
}

TEST_F(MotorSqliteTest, UnDiaEsSuMedianocheEnCualquierFormaGuardada) {
  // Midnight of 09/12 stored both ways (the program's own inserts and other
  // writers), a moment of that day, and the days around it.
  Ok("CREATE TABLE MOV (ID int, FECHA datetime)\r\n"
     "INSERT INTO MOV VALUES (1, '2026-12-08 23:59:59')\r\n"
     "INSERT INTO MOV VALUES (2, '09/12/2026')\r\n"
     "INSERT INTO MOV VALUES (3, '2026-12-09 00:00:00')\r\n"
     "INSERT INTO MOV VALUES (4, '2026-12-09 10:00:00')\r\n"
     "INSERT INTO MOV VALUES (5, '2026-12-10')");
  // A day is midnight of that day, whichever form the row stored it in.
  VerificarIds("MOV", {
                          {"FECHA = '09/12/2026'", "2 3"},
                          {"FECHA <> '09/12/2026'", "1 4 5"},
                          {"FECHA < '09/12/2026'", "1"},
                          {"FECHA <= '09/12/2026'", "1 2 3"},
                          {"FECHA > '09/12/2026'", "4 5"},
                          {"FECHA >= '09/12/2026'", "2 3 4 5"},
                          {"FECHA>='09/12/2026' AND FECHA<='09/12/2026'", "2 3"},
                          {"FECHA BETWEEN '08/12/2026' AND '09/12/2026'", "1 2 3"},
                          {"FECHA NOT BETWEEN '09/12/2026' AND '09/12/2026'", "1 4 5"},
                          {"FECHA IN ('09/12/2026', '10/12/2026')", "2 3 5"},
                          {"'09/12/2026' = FECHA", "2 3"},
                          {"'09/12/2026' >= FECHA", "1 2 3"},
                          {"'09/12/2026' < FECHA", "4 5"},
                          {"FECHA <= #09/12/2026#", "1 2 3"},
                          {"FECHA <= '09/12/2026 10:00:00'", "1 2 3 4"},
                          {"CASE WHEN FECHA = '09/12/2026' THEN 1 ELSE 0 END = 1", "2 3"},
                      });
}

TEST_F(MotorSqliteTest, UnTextoConBlancosFinalesEncuentraLosValoresConOSinEllos) {
  // A case-insensitive key column, as the program's own tables have.
  Ok("CREATE TABLE CFG (ID int, CLAVE varchar(20) COLLATE NOCASE, GRUPO varchar(20), N int)\r\n"
     "INSERT INTO CFG VALUES (1, 'NRO_PAQUETE', 'DATOS  ', 7)\r\n"
     "INSERT INTO CFG VALUES (2, 'nro_paquete ', 'DATOS', 8)\r\n"
     "INSERT INTO CFG VALUES (3, 'OTRA', 'DATOS X', 9)\r\n"
     "INSERT INTO CFG VALUES (4, 'ZETA', '', 10)");
  // A compared text with trailing blanks matches whatever blanks the row holds.
  VerificarIds("CFG", {
                          {"GRUPO = 'DATOS  '", "1 2"},
                          {"GRUPO = 'DATOS '", "1 2"},
                          {"GRUPO <> 'DATOS '", "3 4"},
                          {"GRUPO <= 'DATOS '", "1 2 4"},
                          {"GRUPO > 'DATOS '", "3"},
                          {"GRUPO < 'DATOS'", "4"},
                          {"GRUPO >= 'DATOS  '", "1 2 3"},
                          {"GRUPO BETWEEN 'A' AND 'DATOS '", "1 2"},
                          {"GRUPO IN ('DATOS  ', 'X')", "1 2"},
                          {"'DATOS ' = GRUPO", "1 2"},
                          {"GRUPO = '  '", "4"},
                          {"CLAVE = 'Nro_Paquete '", "1 2"},
                          {"N = '8 '", "2"},
                          {"GRUPO LIKE 'DATOS %'", "1 3"},
                          // The row found again by every value it was read with, as the
                          // recordset's update does it.
                          {"CLAVE = 'NRO_PAQUETE' AND GRUPO = 'DATOS  ' AND N = 7", "1"},
                      });
  long n = 0;
  ASSERT_TRUE(
      m_->Ejecutar("UPDATE CFG SET N = 70 WHERE CLAVE = 'NRO_PAQUETE' AND GRUPO = 'DATOS  ' AND ID = 1", nullptr, &n)
          .Ok());
  EXPECT_EQ(n, 1);
}

namespace {

// A second connection holding the write lock, as another program would.
class Bloqueo {
 public:
  explicit Bloqueo(const std::string& ruta) {
    sqlite3_open(ruta.c_str(), &db_);
    EXPECT_EQ(sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  }
  ~Bloqueo() { Soltar(), sqlite3_close(db_); }
  void Soltar() {
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace

TEST(MotorSqliteApertura, UnaBaseBloqueadaUnMomentoSeEsperaYSeAbre) {
  CarpetaPrueba carpeta;
  const std::string ruta = carpeta / "erp.sqlite";
  ASSERT_TRUE(CrearBaseSqlite(ruta).Ok());
  Bloqueo bloqueo(ruta);
  std::thread suelta([&] {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    bloqueo.Soltar();
  });
  auto m = CrearMotor(CadenaSqlite(ruta));
  const Resultado r = m->Abrir(CadenaSqlite(ruta), "", "");
  suelta.join();
  EXPECT_TRUE(r.Ok()) << r.descripcion;
  EXPECT_TRUE(m->Abierto());
}

TEST(MotorSqliteApertura, ElMotivoDelMotorVaEnElPrimerErrorDelProveedor) {
  CarpetaPrueba carpeta;
  const std::string bloqueada = carpeta / "bloqueada.sqlite";
  ASSERT_TRUE(CrearBaseSqlite(bloqueada).Ok());
  const std::string texto = carpeta / "texto.sqlite";
  EscribirArchivo(texto, std::string(20, 'x') + "esto no es una base de datos, es un texto\n" + std::string(600, 'y'));
  // A database whose first page keeps its header but loses the rest.
  const std::string danada = carpeta / "danada.sqlite";
  {
    ASSERT_TRUE(CrearBaseSqlite(danada).Ok());
    auto m = CrearMotor(CadenaSqlite(danada));
    ASSERT_TRUE(m->Abrir(CadenaSqlite(danada), "", "").Ok());
    ASSERT_TRUE(m->Ejecutar("CREATE TABLE T (A int)", nullptr, nullptr).Ok());
    m->Cerrar();
    std::string bytes = LeerArchivo(danada);
    ASSERT_GT(bytes.size(), 200u);
    for (size_t i = 100; i < bytes.size(); ++i) bytes[i] = char(0xA5);
    EscribirArchivo(danada, bytes);
  }
  Bloqueo bloqueo(bloqueada);
  struct Caso {
    std::string ruta;
    const char* motivo;
  } casos[] = {{bloqueada, "database is locked"},
               {texto, "file is not a database"},
               {danada, "database disk image is malformed"}};
  for (const Caso& c : casos) {
    auto m = CrearMotor(CadenaSqlite(c.ruta));
    m->FijarTiempoEspera(1);
    const Resultado r = m->Abrir(CadenaSqlite(c.ruta), "", "");
    EXPECT_FALSE(r.Ok()) << c.ruta;
    ASSERT_FALSE(r.errores.empty()) << c.ruta;
    EXPECT_EQ(r.errores[0].nativo, 4060);
    EXPECT_NE(r.errores[0].descripcion.find("The login failed."), std::string::npos) << r.errores[0].descripcion;
    EXPECT_NE(r.errores[0].descripcion.find(c.motivo), std::string::npos) << r.errores[0].descripcion;
    EXPECT_FALSE(m->Abierto());
  }
}
