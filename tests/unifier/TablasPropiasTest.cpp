#include "services/esquema/TablasPropias.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <map>

#include "support/ConsultaSqlite.h"
#include "support/CarpetaPrueba.h"
#include "demo/GuionesErpDemo.h"
#include "services/esquema/GuionesSql.h"

namespace {

std::map<std::string, std::string> Tipos(const BaseSqlite& base, const std::string& tabla) {
  std::map<std::string, std::string> r;
  for (const auto& [nombre, tipo] : base.Columnas("SELECT * FROM " + tabla)) r[nombre] = tipo;
  return r;
}

struct TablasPropias : ::testing::Test {
  CarpetaPrueba carpeta;
  std::string archivo = carpeta / "propias.sqlite";
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(CrearTablasPropias(archivo, &error)) << error;
  }
};

TEST_F(TablasPropias, CreaCadaTablaConLasColumnasYTiposQueLeenLosServicios) {
  BaseSqlite base(archivo);
  using Columnas = std::map<std::string, std::string>;
  const std::pair<std::string, Columnas> esperadas[] = {
      {"TA_CONFIGURACION",
       {{"CLAVE", "varchar(100)"},
        {"VALOR", "varchar(500)"},
        {"VALORAUX", "varchar(500)"},
        {"GRUPO", "varchar(50)"},
        {"POLITICANEGOCIO", "bit"}}},
      {"TA_CONFIG_FORM",
       {{"id", "INTEGER"},
        {"FORMULARIO", "varchar(100)"},
        {"USUARIO", "varchar(50)"},
        {"TIPOOBJETO", "varchar(50)"},
        {"NOMBRE", "varchar(50)"},
        {"PROPIEDAD", "varchar(50)"},
        {"DATAFIELD", "varchar(50)"},
        {"VALOR", "varchar(8000)"}}},
      {"AUX_ERR",
       {{"Id", "INTEGER"},
        {"Proceso", "varchar(50)"},
        {"Fecha", "varchar(20)"},
        {"Error", "INT"},
        {"Descripcion", "varchar(250)"},
        {"SQL", "varchar(8000)"},
        {"PC", "varchar(50)"},
        {"Usuario", "varchar(50)"}}},
      {"Control_Acceso",
       {{"Id", "INTEGER"},
        {"Maquina", "varchar(50)"},
        {"Usuario", "varchar(50)"},
        {"Formulario", "varchar(50)"},
        {"Tarea", "varchar(100)"},
        {"Ingreso", "datetime"},
        {"NombreUsuario", "varchar(50)"}}},
      {"TA_USUARIOS",
       {{"Nombre", "varchar(50)"}, {"Administrador", "INT"}, {"Unegocio", "varchar(4)"}, {"verproforma", "bit"}}},
      {"TA_MENU", {{"Clave", "varchar(20)"}, {"Nombre", "varchar(100)"}, {"Proceso", "varchar(100)"}}},
      {"TA_TAREAS", {{"USUARIO", "varchar(50)"}, {"TAREA", "varchar(20)"}}},
      {"V_TA_Cajas", {{"IdCajas", "varchar(4)"}, {"Descripcion", "varchar(50)"}}},
      {"SS_V_TA_CAJAS", {{"IdCajas", "varchar(4)"}, {"Descripcion", "varchar(50)"}}},
      {"V_MV_FALTANTES",
       {{"Id", "INTEGER"},
        {"FechaHora", "datetime"},
        {"IdArticulo", "varchar(25)"},
        {"Descripcion", "varchar(100)"},
        {"Usuario", "varchar(50)"}}},
  };
  for (const auto& [tabla, columnas] : esperadas) EXPECT_EQ(Tipos(base, tabla), columnas) << tabla;
}

TEST_F(TablasPropias, VolverACrearlasConservaLasFilas) {
  {
    BaseSqlite base(archivo);
    base.Filas("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, GRUPO) VALUES ('NRO_PAQUETE', '15', 'DATOS')");
  }
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(archivo, &error)) << error;
  BaseSqlite base(archivo);
  EXPECT_EQ(base.Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'NRO_PAQUETE'"), "15");
}

TEST_F(TablasPropias, ClavesSinDistinguirMayusculasYIdentidadCreciente) {
  BaseSqlite base(archivo);
  base.Filas("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('CANTIDADDECIMALES', '2')");
  EXPECT_EQ(base.Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'CantidadDecimales'"), "2");
  EXPECT_EQ(base.Valor("SELECT POLITICANEGOCIO FROM TA_CONFIGURACION"), "0");
  for (const char* valor : {"uno", "dos"})
    base.Filas(
        std::string("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) "
                    "VALUES ('frmInterfaceVorna','ANA','TextBox','TxtFields','Text','','") +
        valor + "')");
  const auto filas =
      base.Filas("SELECT id, VALOR FROM TA_CONFIG_FORM WHERE formulario = 'FRMINTERFACEVORNA' ORDER BY id");
  ASSERT_EQ(filas.size(), 2u);
  EXPECT_EQ(*filas[0][0], "1");
  EXPECT_EQ(*filas[1][0], "2");
  EXPECT_EQ(*filas[1][1], "dos");
}

TEST_F(TablasPropias, LaVistaRestringidaDeCajasLeeLasCajas) {
  BaseSqlite base(archivo);
  base.Filas("INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('   1','CAJA 1')");
  EXPECT_EQ(base.Valor("SELECT Descripcion FROM SS_V_TA_CAJAS WHERE LTRIM(RTRIM(IdCajas)) = '1'"), "CAJA 1");
}

TEST(TablasPropiasFallas, UnaFallaNoDejaTablasAMedias) {
  CarpetaPrueba carpeta;
  const std::string archivo = carpeta / "ocupada.sqlite";
  // An older TA_CONFIG_FORM without the indexed columns makes the script
  // fail after TA_CONFIGURACION was created.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(archivo.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE TA_CONFIG_FORM (x int)", nullptr, nullptr, nullptr), SQLITE_OK);
  std::string error;
  EXPECT_FALSE(CrearTablasPropias(db, &error));
  EXPECT_FALSE(error.empty());
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table'", -1, &st, nullptr);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(st, 0), 1);
  sqlite3_finalize(st);
  sqlite3_close(db);
}

TEST(TablasPropiasFallas, CarpetaInexistenteDevuelveElMensaje) {
  CarpetaPrueba carpeta;
  std::string error;
  EXPECT_FALSE(CrearTablasPropias(carpeta / "no/existe.sqlite", &error));
  EXPECT_FALSE(error.empty());
}

TEST(GuionesSql, ElTextoIncrustadoEsElDelArchivo) {
  EXPECT_EQ(GuionTablasPropias().substr(0, 2), "--");
  EXPECT_NE(GuionTablasPropias().find("CREATE TABLE IF NOT EXISTS TA_CONFIGURACION"), std::string_view::npos);
  EXPECT_NE(GuionEsquemaErpDemo().find("CREATE VIEW V_MV_Stock"), std::string_view::npos);
  EXPECT_NE(GuionIndicesErpDemo().find("LTRIM(RTRIM(Codigo))"), std::string_view::npos);
  EXPECT_EQ(GuionTablasPropias().find('\0'), std::string_view::npos);
}

}  // namespace
