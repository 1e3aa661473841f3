// The system flags read from a real embedded database.
#include "app/CargarConfiguracion.h"
#include "support/BaseDePrueba.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class CargarConfiguracionSqlite : public ConBaseSqlite {
 protected:
  void Guardar(const std::string& clave, const std::string& valor) {
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('" + clave + "', '" + valor + "')");
  }
  // Values a previous run could have left.
  void Ensuciar() {
    gConfidencialidad = gUtilizarFechaDia = gUsaConsultaLike = gMaderera = true;
    gModuloOrdenDeTrabajo = false;
    gColorFondo = 5;
    gColorLetra = 5;
    gTopDefault = "x";
    gCondIvaEmpresa = 9;
    gUnidadNegocio = "";
  }
};

TEST_F(CargarConfiguracionSqlite, EmptyTableGivesTheDefaults) {
  Ensuciar();
  CargarConfiguracion(carpeta.Ruta());
  EXPECT_EQ(gTablaConfiguracion, "ta_configuracion");
  EXPECT_FALSE(gConfidencialidad);
  EXPECT_FALSE(gUtilizarFechaDia);
  EXPECT_FALSE(gUsaConsultaLike);
  EXPECT_TRUE(gModuloOrdenDeTrabajo);
  EXPECT_FALSE(gMaderera);
  EXPECT_FALSE(gPideClaveStockNeg);
  EXPECT_EQ(gColorFondo, 0xFFFF00);
  EXPECT_EQ(gColorLetra, 0);
  EXPECT_EQ(gTopDefault, "1000");
  EXPECT_EQ(gCondIvaEmpresa, 1);
  EXPECT_EQ(gDecimalesMoneda, " ") << "raw: a missing key reads one blank";
  EXPECT_EQ(gUnidadNegocio, "   1") << "no row for the user in ta_usuarios";
  EXPECT_EQ(gRutaDocumentosTareas, carpeta / "PXDOCTareas.prx");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(CargarConfiguracionSqlite, FlagsFollowTheirRules) {
  Guardar("SS_CONFIDENCIALIDAD", "si");
  Guardar("UTILIZARFECHADIA", " SI");    // not trimmed: false
  Guardar("VALIDACODIGOBARRA", " SI ");  // trimmed: true
  Guardar("UsaConsultaLike", "Si");
  Guardar("ModuloOrdenDeTrabajo", " no ");
  Guardar("MADERERA", "cualquiera");
  Guardar("V_ModificaCPrecio", "NO");
  Guardar("C_ModificaCPrecio", "   ");
  Guardar("CantidadDecimales", " 3 ");
  Guardar("TituloClientes", "  Clientes  ");
  Guardar("Top_Default", " 50 ");
  Guardar("CFondo", "255");
  Guardar("CLetra", "abc");
  Guardar("PERIODO", "12 meses");
  Guardar("CONDIVAEMPRESA", "0");
  Guardar("CONDIVA", "4");
  Guardar("MaxDto", "12,5");
  CargarConfiguracion(carpeta.Ruta());
  EXPECT_TRUE(gConfidencialidad);
  EXPECT_FALSE(gUtilizarFechaDia);
  EXPECT_TRUE(gValidaCodigoBarra);
  EXPECT_TRUE(gUsaConsultaLike);
  EXPECT_FALSE(gModuloOrdenDeTrabajo);
  EXPECT_TRUE(gMaderera);
  EXPECT_FALSE(gVModificaCPrecio);
  EXPECT_FALSE(gCModificaCPrecio);
  EXPECT_EQ(gDecimalesMoneda, " 3 ");
  EXPECT_EQ(gTituloClientes, "Clientes");
  EXPECT_EQ(gTopDefault, " 50 ");
  EXPECT_EQ(gColorFondo, 255);
  EXPECT_EQ(gColorLetra, 0);
  EXPECT_EQ(gPeriodo, 12);
  EXPECT_EQ(gCondIvaEmpresa, 4);
}

TEST_F(CargarConfiguracionSqlite, UserRowGivesTheBusinessUnit) {
  Ejecutar("INSERT INTO TA_USUARIOS (Nombre, Unegocio, verproforma) VALUES ('o''neill', '   7', 0)");
  Guardar("UsaFacturaProforma", "SI");
  gUsuarioLogeado = "o'neill";
  CargarConfiguracion(carpeta.Ruta());
  EXPECT_EQ(gUnidadNegocio, "   7");
  EXPECT_FALSE(gUsaFacturaProforma) << "the user's own setting replaces the flag";
}

// The user's column replaces the flag only when the flag is on, and an
// empty column is a failed read that leaves the flag as configured.
TEST_F(CargarConfiguracionSqlite, UserColumnReplacesTheProformaFlagOnlyWhenItIsOn) {
  // The ERP's own table lets the column be empty.
  Ejecutar(
      "DROP TABLE TA_USUARIOS; CREATE TABLE TA_USUARIOS (Nombre varchar(50) NOT NULL COLLATE NOCASE PRIMARY KEY, "
      "Unegocio varchar(4) NULL, verproforma bit NULL)");
  struct Caso {
    const char* flag;
    const char* verproforma;
    bool esperado;
  };
  for (const Caso& c :
       {Caso{"SI", "1", true}, Caso{"SI", "0", false}, Caso{"SI", "NULL", true}, Caso{"NO", "1", false}}) {
    Ejecutar("DELETE FROM TA_USUARIOS; DELETE FROM TA_CONFIGURACION");
    Ejecutar(std::string("INSERT INTO TA_USUARIOS (Nombre, Unegocio, verproforma) VALUES ('ana', NULL, ") +
             c.verproforma + ")");
    Guardar("UsaFacturaProforma", c.flag);
    gUsuarioLogeado = "ana";
    gUnidadNegocio.clear();
    CargarConfiguracion(carpeta.Ruta());
    EXPECT_EQ(gUsaFacturaProforma, c.esperado) << c.flag << " / " << c.verproforma;
    EXPECT_EQ(gUnidadNegocio, "   1") << "an empty business unit becomes the default";
  }
}

TEST_F(CargarConfiguracionSqlite, NumbersThatDoNotFitKeepTheirValue) {
  Guardar("PERIODO", "99999");
  Guardar("CFondo", "99999999999");
  gPeriodo = 3;
  gColorFondo = 7;
  CargarConfiguracion(carpeta.Ruta());
  EXPECT_EQ(gPeriodo, 3);
  EXPECT_EQ(gColorFondo, 7);
}

}  // namespace
