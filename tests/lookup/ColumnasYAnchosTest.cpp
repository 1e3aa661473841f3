// The list lookup's columns, the widths file CONSULTASLEN.PRX and the
// window's geometry.
#include <gtest/gtest.h>

#include <filesystem>

#include "ConsultaDePrueba.h"
#include "db/Campo.h"
#include "lookup/AnchosConsulta.h"
#include "lookup/GeometriaConsulta.h"
#include "services/Configuracion.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"

namespace {

TEST(ColumnasConsulta, LetrasDeCadaCampo) {
  struct Caso {
    int tipo;
    long tamano;
    bool articulos;
    const char* valoresDefault;
    int letras;
  };
  const Caso casos[] = {
      {tipo_ado::VarChar, 200, false, "", 60},   {tipo_ado::VarChar, 200, false, "@10", 70},
      {tipo_ado::VarChar, 25, false, "@10", 35}, {tipo_ado::VarChar, 25, true, "@10", 25},
      {tipo_ado::VarChar, 59, false, "", 59},    {tipo_ado::Currency, 8, false, "", 12},
      {tipo_ado::Numeric, 18, false, "", 12},    {tipo_ado::Numeric, 19, true, "@10", 12},
      {tipo_ado::Integer, 4, false, "", 4},      {tipo_ado::VarWChar, 0, false, "", 10},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(columnas::Letras(Campo(CampoInfo{"X", c.tipo, c.tamano}), c.articulos, c.valoresDefault), c.letras)
        << c.tipo << " " << c.tamano << " " << c.valoresDefault;
}

TEST(GeometriaConsulta, CajasSobreSusColumnasYBarraDeDesplazamiento) {
  const GeometriaLista g = CalcularGeometria({1440, 2880, 900}, 15360);
  ASSERT_EQ(g.cajas.size(), 3u);
  EXPECT_DOUBLE_EQ(g.cajas[1].izquierda, 1440);
  EXPECT_DOUBLE_EQ(g.cajas[1].ancho, 2830);
  EXPECT_DOUBLE_EQ(g.cajas[2].izquierda, 4320);
  EXPECT_DOUBLE_EQ(g.total, 5220);
  EXPECT_DOUBLE_EQ(g.anchoLista, 5580);
  EXPECT_DOUBLE_EQ(g.anchoPanel, 5580);
  EXPECT_DOUBLE_EQ(g.anchoDesplazamiento, 5220);
  EXPECT_DOUBLE_EQ(g.anchoVentana, 5860);

  struct Caso {
    double total;
    long maximo;
    double anchoVentana;
  };
  const Caso casos[] = {{9640, 6288, 10280},    // pane 10000
                        {39640, 32700, 14880},  // pane 40000; the window stops at the screen
                        {14640, 9288, 14880},   // list + 360 reaches the screen width exactly
                        {14639.6, 9288, 15279.6}};
  for (const Caso& c : casos) {
    const GeometriaLista h = CalcularGeometria({c.total}, 15360);
    EXPECT_EQ(h.maximoDesplazamiento, c.maximo) << c.total;
    EXPECT_DOUBLE_EQ(h.anchoVentana, c.anchoVentana) << c.total;
  }
}

TEST(GeometriaConsulta, AlCambiarDeTamano) {
  const DisposicionLista d = Disponer(9000, 6000, {600, 255, 1200, 1500, 1000});
  EXPECT_DOUBLE_EQ(d.altoPanel, 4920);
  EXPECT_DOUBLE_EQ(d.altoLista, 3720);
  EXPECT_DOUBLE_EQ(d.anchoPanel, 8880);
  EXPECT_DOUBLE_EQ(d.anchoLista, 8860);
  EXPECT_DOUBLE_EQ(d.arribaBotonera, 4880);
  EXPECT_DOUBLE_EQ(d.anchoBotonera, 9000);
  EXPECT_DOUBLE_EQ(d.arribaDesplazamiento, 4545);
  EXPECT_DOUBLE_EQ(d.anchoDesplazamiento, 8880);
  EXPECT_DOUBLE_EQ(d.izquierdaAceptar, 100);
  EXPECT_DOUBLE_EQ(d.izquierdaCancelar, 3900);
  EXPECT_DOUBLE_EQ(d.izquierdaNueva, 7350);
  EXPECT_DOUBLE_EQ(d.anchoEtiqueta, 7860);
}

class AnchosLista : public ConsultaDePrueba {
 protected:
  void SetUp() override {
    ConsultaDePrueba::SetUp();
    m.AnchoLetras = [](int letras) { return letras * 100.0; };
  }
  void Cargar(const std::string& sql = "SELECT CODIGO, RAZON_SOCIAL, CONTACTO FROM VT_CLIENTES") {
    m.SQL = sql;
    m.Form_Load();
  }
  std::vector<double> Anchos() const {
    std::vector<double> r;
    for (const ColumnaConsulta& c : m.Columnas()) r.push_back(c.ancho);
    return r;
  }
  std::string ruta = carpeta / "CONSULTASLEN.PRX";
  Lib_FrmCons3Modelo m;
};

TEST_F(AnchosLista, ColumnasDeLosCamposDeLaSentencia) {
  m.ValoresDefault = "@10";
  Cargar();
  // varchar(15), varchar(200), varchar(60): ten letters more each, at most 70.
  EXPECT_EQ(Anchos(), (std::vector<double>{2500, 7000, 7000}));
  EXPECT_FALSE(Existe(ruta));
}

TEST_F(AnchosLista, LosPreciosDeLosArticulosLlevanElNombreDeSuClase) {
  GrabaDfg("NOM_PCLASE3", std::string("Mayorista"));
  m.ValoresDefault = "@10";
  Cargar("SELECT DESCRIPCION, precio3, PRECIO3 AS PRECIO4 FROM V_MA_ARTICULOS");
  ASSERT_EQ(m.Columnas().size(), 3u);
  EXPECT_EQ(m.Columnas()[1].titulo, "Mayorista");
  EXPECT_EQ(m.Columnas()[2].titulo, " ") << "a missing key reads one blank";
  EXPECT_EQ(m.Columnas()[0].ancho, 6000) << "\"@10\" does not widen article columns";
  EXPECT_EQ(m.Columnas()[1].ancho, 1200);
}

TEST_F(AnchosLista, SinArchivoNoSeGrabaNadaSalvoQueSeLoPida) {
  Cargar();
  m.Form_Unload();
  EXPECT_FALSE(Existe(ruta));
  m.GrabarCfg = true;
  Cargar();
  m.ListView1_ColumnResize(1, 3000);
  m.Form_Unload();
  EXPECT_EQ(LeerArchivo(ruta), "\"VT_CLIENTES\",\"1500|3000|6000|\"\r\n");
  EXPECT_FALSE(m.UsarUDBC);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(AnchosLista, SeLeenLosAnchosDeSuTablaYUnaLineaPosteriorManda) {
  EscribirArchivo(
      ruta, "\"OTRA\",\"1|1|1|\"\r\n\"vt_clientes\",\"1000|2000|3000|\"\r\n\"VT_CLIENTES\",\"1100|2100|3100|\"\r\n");
  Cargar();
  EXPECT_EQ(Anchos(), (std::vector<double>{1100, 2100, 3100}));
  EXPECT_DOUBLE_EQ(m.Geometria().cajas[2].izquierda, 3200);
  EXPECT_DOUBLE_EQ(m.Geometria().cajas[2].ancho, 3050);
}

TEST_F(AnchosLista, UnaLineaCortaAplicaLoQueTrae) {
  struct Caso {
    const char* contenido;
    std::vector<double> anchos;
  };
  const std::vector<Caso> casos = {
      {"\"VT_CLIENTES\",\"1000|2000|\"\r\n\"VT_CLIENTES\",\"9|9|9|\"\r\n", {1000, 2000, 6000}},
      {"basura sin comillas\r\n\"VT_CLIENTES\",\"1000|2000|3000|\"\r\n", {1500, 6000, 6000}},
      {"\"VT_CLIENTES\r\n\"VT_CLIENTES\",\"1000|2000|3000|\"\r\n", {1500, 6000, 6000}},
      {"\"VT_CLIENTES\",\"1000|abc|3000\"\r\n", {1000, 0, 6000}},
  };
  for (const Caso& c : casos) {
    EscribirArchivo(ruta, c.contenido);
    Cargar();
    EXPECT_EQ(Anchos(), c.anchos) << c.contenido;
    EXPECT_EQ(m.Filas().Cantidad(), 3u) << "the window still opens";
  }
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(AnchosLista, GrabarConservaLasOtrasTablasYPoneLaSuyaAlFinal) {
  regional::FijarSeparadores(',', '.');
  const std::string a = "\"TABLA_A\",\"10|20|\"\r\n", c = "\"TABLA_C\",\"30,5|\"\r\n";
  EscribirArchivo(ruta, a + "\"VT_CLIENTES\",\"1|2|3|\"\r\n" + c);
  m.GrabarCfg = true;
  Cargar();
  m.ListView1_ColumnResize(0, 1440.5);
  m.Form_Unload();
  EXPECT_EQ(LeerArchivo(ruta), a + c + "\"VT_CLIENTES\",\"1440,5|2|3|\"\r\n");
  EXPECT_FALSE(Existe(carpeta / "CONSULTASLEN.AUX"));
}

TEST_F(AnchosLista, LaVistaDeStockUsaLosAnchosDeLosArticulos) {
  Ejecutar("CREATE TABLE Stk_ma_articulos (IDARTICULO varchar(25), Stock float)");
  EscribirArchivo(ruta, "\"VT_MA_ARTICULOS\",\"700|800|\"\r\n");
  m.GrabarCfg = true;
  Cargar("SELECT IDARTICULO, Stock FROM Stk_ma_articulos");
  EXPECT_EQ(m.Tabla(), "VT_MA_ARTICULOS");
  EXPECT_EQ(Anchos(), (std::vector<double>{700, 800}));
  m.ListView1_ColumnResize(1, 900);
  m.Form_Unload();
  EXPECT_EQ(LeerArchivo(ruta), "\"VT_MA_ARTICULOS\",\"700|900|\"\r\n");
}

TEST_F(AnchosLista, UnaFallaAlGrabarDejaElArchivoAnteriorEntero) {
  const std::string anterior = "\"TABLA_A\",\"10|20|\"\r\n\"VT_CLIENTES\",\"1|2|3|\"\r\n";
  EscribirArchivo(ruta, anterior);
  // The twin cannot be written: a folder stands in its place.
  std::filesystem::create_directory(carpeta / "CONSULTASLEN.AUX");
  m.GrabarCfg = true;
  Cargar();
  m.ListView1_ColumnResize(0, 5000);
  m.Form_Unload();
  EXPECT_EQ(LeerArchivo(ruta), anterior);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador");
  EXPECT_EQ(op->Mensajes()[0].estilo, botones::Critico);
  EXPECT_NE(op->Mensajes()[0].texto.find("CONSULTASLEN.AUX"), std::string::npos) << op->Mensajes()[0].texto;
}

}  // namespace
