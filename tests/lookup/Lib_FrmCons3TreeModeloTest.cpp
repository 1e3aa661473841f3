// The tree lookup's model on a real embedded database: the two trees, F5,
// "&Nueva Busqueda", accept with its table look-ups, cancel, closing.
#include <gtest/gtest.h>

#include "Lib_FrmCons3TreeDePrueba.h"
#include "lookup/arbol/SentenciaFamilias.h"
#include "sivlib/Operador.h"

namespace {

using Padres = std::map<std::string, std::string>;

class ModeloTree : public ArbolDePrueba {
 protected:
  Lib_FrmCons3TreeModelo& Cargar(const std::string& sql, const std::string& campo = "CODIGO", bool casillas = false) {
    m.SQL = sql;
    m.CampoDevuelto = campo;
    m.CheckBoxes = casillas;
    m.Form_Load();
    return m;
  }
  Lib_FrmCons3TreeModelo m;
};

TEST_F(ModeloTree, ArbolAutomaticoDelEjemplo) {
  Cargar(kCuentas);
  EXPECT_EQ(PadresDe(m.Nodos()),
            (Padres{{"1", ""}, {"101", "1"}, {"10101", "101"}, {"102", "1"}, {"2", ""}, {"201", "2"}}));
  EXPECT_EQ(m.Nodos()[0].clave, "A");
  EXPECT_EQ(m.Nodos()[0].texto, "Consulta...");
  EXPECT_EQ(m.Nodos()[3].texto, "10101 - CAJA CHICA");
  EXPECT_EQ(m.NodoSeleccionado(), -1);
  ASSERT_TRUE(m.Valores);
  EXPECT_TRUE(m.Valores->empty());
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloTree, ArbolDeFamiliasPorElPadreQueNombraLaSentencia) {
  Cargar(kFamilias, "IDFAMILIA");
  EXPECT_EQ(m.SQL, SentenciaFamilias());
  EXPECT_EQ(PadresDe(m.Nodos()),
            (Padres{{"01", ""}, {"0101", "01"}, {"010101", "0101"}, {"0102", "01"}, {"02", ""}, {"0201", "02"}}));
  EXPECT_EQ(m.Nodos()[2].texto, "0101 - LACTEOS");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloTree, FamiliaRepetidaSeOmiteSinDialogo) {
  Ejecutar("INSERT INTO V_TA_FAMILIAS VALUES ('0101','LACTEOS BIS')");
  Cargar(kFamilias, "IDFAMILIA");
  EXPECT_EQ(m.Nodos().Cantidad(), 7);
  EXPECT_EQ(m.Nodos()[m.Nodos().Indice("A0101")].texto, "0101 - LACTEOS");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloTree, CodigoRepetidoEnElAutomaticoVaAlDialogo) {
  Ejecutar("INSERT INTO MA_CUENTAS VALUES ('101','CAJA BIS')");
  op->ResponderMensaje(respuesta::Ignorar);
  Cargar(kCuentas);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_NE(op->Mensajes()[0].texto.find("ArmarTreeVAutomatico"), std::string::npos) << op->Mensajes()[0].texto;
  EXPECT_NE(op->Mensajes()[0].texto.find("35602"), std::string::npos);
  EXPECT_EQ(m.Nodos().Cantidad(), 7) << "ignoring the repeated row, the others are all there";

  // Without anybody to answer, the building stops at the repeated row.
  op->Limpiar();
  Cargar(kCuentas);
  EXPECT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(m.Nodos().Indice("A10101"), -1);
  EXPECT_EQ(m.Nodos().Cantidad(), 3);
}

TEST_F(ModeloTree, SentenciaQueFallaDejaSoloLaRaizYUnSoloAviso) {
  Cargar("SELECT CODIGO, DESCRIPCION FROM NO_EXISTE");
  EXPECT_EQ(Textos(m.Nodos()), std::vector<std::string>{"Consulta..."});
  EXPECT_EQ(op->Mensajes().size(), 1u);
}

TEST_F(ModeloTree, BusquedaSeleccionaYSinCoincidenciaNoMueve) {
  Cargar(kCuentas);
  m.CajaBusqueda().texto = "caja c";
  m.CmbSearch_Change();
  EXPECT_EQ(m.NodoSeleccionado(), Nodo(m, "10101"));
  m.CajaBusqueda().texto = "caja x";
  m.CmbSearch_Change();
  EXPECT_EQ(m.NodoSeleccionado(), Nodo(m, "10101"));
}

TEST_F(ModeloTree, F5FiltraEnLaBaseYSeAcumula) {
  Cargar(kCuentas);
  m.CajaBusqueda().texto = "caja";
  m.CmbSearch_F5();
  EXPECT_EQ(m.SQL, "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS  where Descripcion like '%caja%' ORDER BY CODIGO");
  EXPECT_EQ(m.CajaBusqueda().texto, "");
  EXPECT_EQ(m.CajaBusqueda().dataField, "Descripcion");
  EXPECT_EQ(PadresDe(m.Nodos()), (Padres{{"1", ""}, {"101", "1"}, {"10101", "101"}}));

  m.CajaBusqueda().texto = "chica";
  m.CmbSearch_F5();
  EXPECT_EQ(PadresDe(m.Nodos()), (Padres{{"10101", ""}}));
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloTree, F5ConApostrofeFiltraSinRomperLaSentencia) {
  Cargar(kCuentas);
  m.CajaBusqueda().texto = "o'higgins";
  m.CmbSearch_F5();
  EXPECT_EQ(PadresDe(m.Nodos()), (Padres{{"201", ""}}));
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloTree, F5EnFamiliasMuestraTodasLasFamilias) {
  Cargar(kFamilias, "IDFAMILIA");
  m.CajaBusqueda().texto = "lact";
  m.CmbSearch_F5();
  EXPECT_EQ(m.SQL, SentenciaFamilias());
  EXPECT_EQ(m.Nodos().Cantidad(), 7);
  EXPECT_EQ(m.CajaBusqueda().texto, "");
}

TEST_F(ModeloTree, NuevaBusquedaRehaceElArbolConLaSentenciaActual) {
  Cargar(kCuentas);
  m.CajaBusqueda().texto = "caja";
  m.CmbSearch_F5();
  Ejecutar("INSERT INTO MA_CUENTAS VALUES ('10102','CAJA FUERTE'),('3','VENTAS')");
  m.CmdNueva_Click();
  EXPECT_EQ(PadresDe(m.Nodos()), (Padres{{"1", ""}, {"101", "1"}, {"10101", "101"}, {"10102", "101"}}));
}

struct CasoAceptar {
  const char* nombre;
  const char* sql;
  const char* campo;
  const char* codigo;  // node selected; "" the root
  const char* valor;
};

class AceptarTree : public ModeloTree, public ::testing::WithParamInterface<CasoAceptar> {};

TEST_P(AceptarTree, BuscaElCodigoEnSusTablas) {
  const CasoAceptar& c = GetParam();
  Cargar(c.sql, c.campo);
  const int nodo = Nodo(m, c.codigo);
  ASSERT_GE(nodo, 0);
  m.SeleccionarNodo(nodo);
  m.ValorDevuelto = Variant("previo");
  m.CmdAceptar_Click();
  EXPECT_EQ(m.ValorDevuelto.Texto(), c.valor);
  EXPECT_TRUE(m.ValorDevuelto.EsTexto());
  EXPECT_TRUE(op->Mensajes().empty());
}

constexpr const char* kPosiciones = "SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION";

INSTANTIATE_TEST_SUITE_P(
    Casos, AceptarTree,
    ::testing::Values(CasoAceptar{"CodigoPrimeroEnCentrosDeCosto", kCuentas, "CODIGO", "101", "101  "},
                      CasoAceptar{"CodigoSoloEnCuentas", kCuentas, "codigo", "102", "102"},
                      CasoAceptar{"CodigoEnNinguna", kPosiciones, "CODIGO", "9", ""},
                      CasoAceptar{"Posicion", kCuentas, "IDPOSICION", "102", "102 "},
                      CasoAceptar{"PosicionInexistente", kCuentas, "IDPOSICION", "2", ""},
                      CasoAceptar{"Familia", kFamilias, "IdFamilia", "0101", "0101"},
                      CasoAceptar{"RaizConCodigo", kCuentas, "CODIGO", "", ""},
                      CasoAceptar{"RaizConPosicion", kCuentas, "IDPOSICION", "", ""},
                      CasoAceptar{"RaizConFamilia", kFamilias, "IDFAMILIA", "", ""},
                      CasoAceptar{"OtroCampoNoCambiaElValor", kCuentas, "NOMBRE", "101", "previo"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(ModeloTree, FamiliaSeLeeSinRestriccionAunParaUsuarioRestringido) {
  db.gEsAdmin = false;
  Cargar(kFamilias, "IDFAMILIA");
  m.SeleccionarNodo(Nodo(m, "0101"));
  m.CmdAceptar_Click();
  EXPECT_EQ(m.ValorDevuelto.Texto(), "0101") << "the restricted view does not hold 0101";
}

TEST_F(ModeloTree, AceptarSinNodoElegidoNoDevuelveNada) {
  Cargar(kCuentas);
  m.ValorDevuelto = Variant("previo");
  m.CmdAceptar_Click();
  EXPECT_EQ(m.ValorDevuelto.Texto(), "");
}

struct CasoMarcados {
  const char* nombre;
  const char* sql;
  const char* campo;
  std::vector<std::string> marcados;
  std::vector<std::string> valores;
};

class AceptarMarcadosTree : public ModeloTree, public ::testing::WithParamInterface<CasoMarcados> {};

TEST_P(AceptarMarcadosTree, DevuelveLosMarcadosEnOrdenDeArbol) {
  const CasoMarcados& c = GetParam();
  Cargar(c.sql, c.campo, true);
  for (const std::string& codigo : c.marcados) m.TreeV_NodeCheck(Nodo(m, codigo), true);
  m.ValorDevuelto = Variant("previo");
  m.CmdAceptar_Click();
  std::vector<std::string> valores;
  for (const Variant& v : *m.Valores) valores.push_back(v.Texto());
  EXPECT_EQ(valores, c.valores);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "previo");
  EXPECT_TRUE(op->Mensajes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AceptarMarcadosTree,
    ::testing::Values(
        CasoMarcados{"CodigosRecortados", kCuentas, "CODIGO", {"201", "1"}, {"1", "101", "10101", "102", "201"}},
        CasoMarcados{"Familias", kFamilias, "IDFAMILIA", {"01"}, {"01", "0101", "010101", "0102"}},
        CasoMarcados{"PosicionesSoloLasQueEstan", kCuentas, "IDPOSICION", {"1"}, {"102 "}},
        CasoMarcados{"OtroCampoNada", kCuentas, "NOMBRE", {"1"}, {}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(ModeloTree, CancelarSueltaLasColeccionesYNoDevuelveNada) {
  Cargar(kCuentas, "CODIGO", true);
  m.CmpsDevueltos = NuevaListaTextos();
  m.TreeV_NodeCheck(Nodo(m, "1"), true);
  ColeccionValores delLlamador = m.Valores;
  m.ValorDevuelto = Variant("previo");
  m.CmdCancelar_Click();
  EXPECT_EQ(m.ValorDevuelto.Texto(), "");
  EXPECT_FALSE(m.Valores);
  EXPECT_FALSE(m.CmpsDevueltos);
  EXPECT_TRUE(delLlamador->empty());
}

TEST_F(ModeloTree, CerrarQuitaLosNodos) {
  Cargar(kCuentas);
  const int version = m.Version();
  m.Form_Unload();
  EXPECT_EQ(m.Nodos().Cantidad(), 0);
  EXPECT_NE(m.Version(), version);
}

}  // namespace
