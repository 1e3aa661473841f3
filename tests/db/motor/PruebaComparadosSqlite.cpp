// Compared values on a real SQLite file answer as SQL Server answers:
// trailing blanks are ignored on both sides, a day is midnight of that day
// whichever form the row stored it in, and opening waits for a lock and
// names the engine's reason when it fails.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/Motor.h"
#include "support/CarpetaPrueba.h"

namespace {

std::string CadenaSqlite(const std::string& base) {
  return "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + base + ";UId=sa;Pwd=x;";
}

class ComparadosSqlite : public ::testing::Test {
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

  // The first column of every row, joined by blanks.
  std::string Ids(const std::string& sql) {
    std::unique_ptr<Cursor> c;
    Resultado r = m_->Ejecutar(sql, &c, nullptr);
    EXPECT_TRUE(r.Ok()) << sql << "\n" << r.descripcion;
    std::string ids;
    while (c && c->Siguiente(r)) ids += (ids.empty() ? "" : " ") + c->Valor(0).Texto();
    return ids;
  }

  CarpetaPrueba carpeta_;
  std::string ruta_;
  std::unique_ptr<Motor> m_;
};

TEST_F(ComparadosSqlite, UnDiaEsSuMedianocheEnCualquierFormaGuardada) {
  // Midnight of 09/12 stored both ways (the program's own inserts and other
  // writers), a moment of that day, and the days around it.
  Ok("CREATE TABLE MOV (ID int, FECHA datetime)\r\n"
     "INSERT INTO MOV VALUES (1, '2026-12-08 23:59:59')\r\n"
     "INSERT INTO MOV VALUES (2, '09/12/2026')\r\n"
     "INSERT INTO MOV VALUES (3, '2026-12-09 00:00:00')\r\n"
     "INSERT INTO MOV VALUES (4, '2026-12-09 10:00:00')\r\n"
     "INSERT INTO MOV VALUES (5, '2026-12-10')");
  struct Caso {
    const char* condicion;
    const char* ids;
  } casos[] = {
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
  };
  for (const Caso& c : casos)
    EXPECT_EQ(Ids("SELECT ID FROM MOV WHERE " + std::string(c.condicion) + " ORDER BY ID"), c.ids) << c.condicion;
}

TEST_F(ComparadosSqlite, LosBlancosFinalesNoCuentanDeNingunLado) {
  // A case-insensitive key column, as the program's own tables have.
  Ok("CREATE TABLE CFG (ID int, CLAVE varchar(20) COLLATE NOCASE, GRUPO varchar(20), N int)\r\n"
     "INSERT INTO CFG VALUES (1, 'NRO_PAQUETE', 'DATOS  ', 7)\r\n"
     "INSERT INTO CFG VALUES (2, 'nro_paquete ', 'DATOS', 8)\r\n"
     "INSERT INTO CFG VALUES (3, 'OTRA', 'DATOS X', 9)\r\n"
     "INSERT INTO CFG VALUES (4, 'ZETA', '', 10)");
  struct Caso {
    const char* condicion;
    const char* ids;
  } casos[] = {
      {"GRUPO = 'DATOS  '", "1 2"},
      {"GRUPO = 'DATOS'", "1 2"},
      {"GRUPO = 'DATOS '", "1 2"},
      {"GRUPO <> 'DATOS'", "3 4"},
      {"GRUPO <= 'DATOS'", "1 2 4"},
      {"GRUPO > 'DATOS '", "3"},
      {"GRUPO < 'DATOS'", "4"},
      {"GRUPO >= 'DATOS  '", "1 2 3"},
      {"GRUPO BETWEEN 'A' AND 'DATOS'", "1 2"},
      {"GRUPO IN ('DATOS  ', 'X')", "1 2"},
      {"'DATOS' = GRUPO", "1 2"},
      {"GRUPO = '  '", "4"},
      {"CLAVE = 'Nro_Paquete'", "1 2"},
      {"N = '8 '", "2"},
      {"GRUPO LIKE 'DATOS %'", "1 3"},
      // The row found again by every value it was read with, as the
      // recordset's update does it.
      {"CLAVE = 'NRO_PAQUETE' AND GRUPO = 'DATOS  ' AND N = 7", "1"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(Ids("SELECT ID FROM CFG WHERE " + std::string(c.condicion) + " ORDER BY ID"), c.ids) << c.condicion;
  long n = 0;
  ASSERT_TRUE(m_->Ejecutar("UPDATE CFG SET N = 70 WHERE CLAVE = 'NRO_PAQUETE' AND GRUPO = 'DATOS  ' AND ID = 1",
                           nullptr, &n)
                  .Ok());
  EXPECT_EQ(n, 1);
}

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

TEST(AperturaSqlite, UnaBaseBloqueadaUnMomentoSeEsperaYSeAbre) {
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

TEST(AperturaSqlite, ElMotivoDelMotorVaEnElPrimerErrorDelProveedor) {
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

}  // namespace
