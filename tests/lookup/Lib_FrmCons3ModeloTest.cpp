// The list lookup's model on a real embedded database: load, search as you
// type, F5, sorting, marks, quantities, accept and cancel, stock colours
// and the shortage report.
#include <gtest/gtest.h>

#include "ConsultaDePrueba.h"
#include "lookup/FiltroConsulta.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"

namespace {

// What the model asked of its window.
struct VistaDePrueba : VistaLista {
  void ListaCargada() override { ++cargas; }
  void Ocultar() override { ++ocultada; }
  void EnfocarCaja(int i) override { foco = "caja" + std::to_string(i); }
  void EnfocarLista() override { foco = "lista"; }
  int cargas = 0, ocultada = 0;
  std::string foco;
};

class ModeloLista : public ConsultaDePrueba {
 protected:
  Lib_FrmCons3Modelo& Cargar(const std::string& sql = kArticulos) {
    m.UsarVista(&vista);
    m.SQL = sql;
    m.Form_Load();
    return m;
  }
  std::vector<std::string> Valores() const {
    std::vector<std::string> r;
    if (m.Valores)
      for (const Variant& v : *m.Valores) r.push_back(v.Texto());
    return r;
  }
  Lib_FrmCons3Modelo m;
  VistaDePrueba vista;
};

TEST_F(ModeloLista, LaCargaMuestraLasFilasEnElOrdenDeLaSentencia) {
  Cargar();
  EXPECT_EQ(Textos(m), DescripcionesArticulos());
  ASSERT_EQ(m.Columnas().size(), 2u);
  EXPECT_EQ(m.Columnas()[0].titulo, "DESCRIPCION");
  EXPECT_EQ(m.Columnas()[1].titulo, "IDARTICULO");
  EXPECT_EQ(m.CmbSearch(1).dataField, "IDARTICULO");
  EXPECT_EQ(m.Tabla(), "V_MA_ARTICULOS");
  EXPECT_TRUE(m.Articulos());
  EXPECT_EQ(m.SQL, std::string(kArticulos) + " ");
  EXPECT_EQ(Seleccionada(m), "ACEITE GIRASOL 1L") << "the first row is highlighted";
  ASSERT_TRUE(m.Valores && m.Cantidades);
  EXPECT_TRUE(m.Valores->empty() && m.Cantidades->empty());
  EXPECT_EQ(vista.cargas, 1);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloLista, ElFiltroInicialEligeLaPrimeraFilaQueEmpiezaAsi) {
  m.FiltroInicial = "CAF";
  Cargar();
  EXPECT_EQ(Seleccionada(m), "CAFE MOLIDO 500G");
  EXPECT_EQ(m.Busqueda(0, "CAF"), 7);
}

TEST_F(ModeloLista, BuscarMientrasSeEscribe) {
  Cargar();
  struct Caso {
    int caja;
    const char* texto;
    const char* elegida;
  };
  const Caso casos[] = {
      {0, "caf", "CAFE MOLIDO 500G"}, {0, "cafe t", "CAFE TOSTADO"},
      {0, "CAFX", "CAFE TOSTADO"},  // no row: the selection stays
      {0, "  bol ", "BOLSAS X10"},  // the box's text is trimmed
      {1, "1", "ACEITE GIRASOL 1L"},  {1, "13", "BOLSAS X10"},
      {0, "", "ACEITE GIRASOL 1L"},  // every row starts with nothing
  };
  for (const Caso& c : casos) {
    m.CmbSearch_Escribir(int16_t(c.caja), c.texto);
    EXPECT_EQ(Seleccionada(m), c.elegida) << c.texto;
  }
  EXPECT_EQ(m.Busqueda(0, "ZZZ"), 0);
}

TEST_F(ModeloLista, TextosDelFiltroF5) {
  const std::string articulos = std::string(kArticulos) + " ";
  struct Caso {
    std::string sentencia;
    FiltroF5 filtro;
    std::string resultado;
    std::string base;
  };
  const Caso casos[] = {
      {articulos,
       {"DESCRIPCION", "CA*E", false},
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0  and DESCRIPCION like "
       "'CA%E%' ORDER BY DESCRIPCION ",
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 "},
      {articulos,
       {"DESCRIPCION", "CAFE MOLIDO", true},
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0  and DESCRIPCION like "
       "'%CAFE%MOLIDO%' ORDER BY DESCRIPCION ",
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 "},
      {"select codigo, nombre from T ",
       {"nombre", "PE", false},
       "select codigo, nombre from T  where nombre like 'PE%' ",
       "select codigo, nombre from T "},
      {"SELECT A, COUNT(*) FROM T GROUP BY A ORDER BY A ",
       {"A", "X", false},
       "SELECT A, COUNT(*) FROM T  where A like 'X%' GROUP BY A ORDER BY A ",
       "SELECT A, COUNT(*) FROM T "},
      {"SELECT v_ma_articulos.Descripcion FROM v_ma_articulos order by 1 ",
       {"Descripcion", "A", false},
       "SELECT v_ma_articulos.Descripcion FROM v_ma_articulos  where v_ma_articulos.Descripcion like 'A%' order by 1 ",
       "SELECT v_ma_articulos.Descripcion FROM v_ma_articulos "},
      {"SELECT stk_ma_articulos.Stock FROM stk_ma_articulos ",
       {"Stock", "1", false},
       "SELECT stk_ma_articulos.Stock FROM stk_ma_articulos  where stk_ma_articulos.Stock like '1%' ",
       "SELECT stk_ma_articulos.Stock FROM stk_ma_articulos "},
      // The operator's apostrophes are doubled: the literal stays whole.
      {"SELECT N FROM T ",
       {"N", "O'HIGGINS", false},
       "SELECT N FROM T  where N like 'O''HIGGINS%' ",
       "SELECT N FROM T "},
      {"SELECT N FROM T ",
       {"N", "D'ALES SA", true},
       "SELECT N FROM T  where N like '%D''ALES%SA%' ",
       "SELECT N FROM T "},
  };
  for (const Caso& c : casos) {
    std::string base = c.sentencia;
    EXPECT_EQ(SentenciaFiltrada(c.sentencia, base, c.filtro), c.resultado) << c.sentencia;
    EXPECT_EQ(base, c.base) << c.sentencia;
  }
}

TEST_F(ModeloLista, LosFiltrosF5SeAcumulanYNuevaBusquedaVuelveAlPrincipio) {
  Cargar();
  m.CmbSearch_Escribir(0, "CAFE");
  EXPECT_TRUE(m.CmbSearch_KeyDown(0, TeclaLista::F5));
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"CAFE MOLIDO 500G", "CAFE TOSTADO", "CAFE'S O'HIGGINS"}));
  EXPECT_EQ(m.CmbSearch(0).texto, "") << "the box is emptied";
  m.CmbSearch_Escribir(1, "1");
  m.CmbSearch_KeyDown(1, TeclaLista::F5);
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"CAFE'S O'HIGGINS"}));
  EXPECT_EQ(m.SQL,
            "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0  and DESCRIPCION like "
            "'CAFE%'  and IDARTICULO like '1%' ORDER BY DESCRIPCION   ");
  m.CmdNueva_Click();
  EXPECT_EQ(Textos(m), DescripcionesArticulos());
  EXPECT_EQ(vista.foco, "caja0");
}

TEST_F(ModeloLista, UnApostrofeDelOperadorFiltraEnLugarDeRomperLaSentencia) {
  m.CfgUsaConsultaLIKE = true;
  Cargar();
  m.CmbSearch_Escribir(0, "S O'HIG");
  m.CmbSearch_KeyDown(0, TeclaLista::F5);
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"CAFE'S O'HIGGINS"}));
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloLista, OrdenarPorEncabezado) {
  Cargar("SELECT DESCRIPCION, IDARTICULO FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('1','2','3')");
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"ACEITE GIRASOL 1L", "ARROZ LARGO FINO", "AZUCAR 1KG"}));
  m.ListView1_ColumnClick(0);
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"AZUCAR 1KG", "ARROZ LARGO FINO", "ACEITE GIRASOL 1L"}))
      << "the first click sorts descending";
  m.ListView1_ColumnClick(0);
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"ACEITE GIRASOL 1L", "ARROZ LARGO FINO", "AZUCAR 1KG"}));
  // The search walks the list in its order.
  m.ListView1_ColumnClick(0);
  m.CmbSearch_Escribir(0, "A");
  EXPECT_EQ(Seleccionada(m), "AZUCAR 1KG");
  EXPECT_EQ(m.Busqueda(0, "AR"), 2);
}

TEST_F(ModeloLista, SinOrderByLaListaSeOrdenaSola) {
  m.OrdenarPorLwv = true;
  Cargar("SELECT DESCRIPCION FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('12', '1', '5')");
  EXPECT_EQ(Textos(m), (std::vector<std::string>{"ACEITE GIRASOL 1L", "CACAO AMARGO", "YERBA MATE"}));
}

TEST_F(ModeloLista, AceptarConCasillasDevuelveLasMarcadasEnElOrdenDeLaLista) {
  m.CheckBoxes = true;
  Cargar();
  m.ListView1_ItemCheck(m.Filas().EnPosicion(4), true);
  m.ListView1_ItemCheck(m.Filas().EnPosicion(1), true);
  m.CmdAceptar_Click();
  EXPECT_EQ(Valores(), (std::vector<std::string>{"ARROZ LARGO FINO", "BOLSAS X10"}));
  EXPECT_EQ(m.CampoDevuelto, "DESCRIPCION");
  EXPECT_EQ(vista.ocultada, 1);
  // A named column returns its values.
  m.CampoDevuelto = "idarticulo";
  m.Valores->clear();
  m.CmdAceptar_Click();
  EXPECT_EQ(Valores(), (std::vector<std::string>{"2", "13"}));
}

TEST_F(ModeloLista, AceptarSinCasillasDevuelveLasColumnasPedidasDeLaFilaElegida) {
  Cargar();
  Elegir(m, "YERBA MATE");
  m.CmpsDevueltos = NuevaListaTextos();
  m.CmpsDevueltos->assign({" idarticulo ", "NO_EXISTE", "Descripcion"});
  m.CampoDevuelto = "IDARTICULO";
  m.CmdAceptar_Click();
  EXPECT_EQ(Valores(), (std::vector<std::string>{"12", "", "YERBA MATE"}));
  EXPECT_EQ(m.ValorDevuelto.Texto(), "12");
  // Without CampoDevuelto, the last value read.
  m.Valores->clear();
  m.CampoDevuelto = " ";
  m.CmdAceptar_Click();
  EXPECT_EQ(m.ValorDevuelto.Texto(), "YERBA MATE");
}

TEST_F(ModeloLista, AceptarSinFilaElegidaNoDevuelveNada) {
  Cargar("SELECT DESCRIPCION, IDARTICULO FROM V_MA_ARTICULOS WHERE 1 = 0");
  m.ValorDevuelto = Variant("antes");
  m.CampoDevuelto = "IDARTICULO";
  m.CmdAceptar_Click();
  EXPECT_TRUE(Valores().empty());
  EXPECT_EQ(m.ValorDevuelto.Texto(), "antes");
  EXPECT_EQ(vista.ocultada, 1);
}

TEST_F(ModeloLista, CancelarTrasMarcarNoDevuelveNada) {
  m.CheckBoxes = true;
  Cargar();
  m.CmpsDevueltos = NuevaListaTextos();
  m.CmdTodos_Click();
  m.CmdCancelar_Click();
  EXPECT_FALSE(m.Valores);
  EXPECT_FALSE(m.CmpsDevueltos);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "");
  EXPECT_EQ(vista.ocultada, 1);
}

TEST_F(ModeloLista, MarcarInvierteTodasYEspacioLaElegida) {
  m.CheckBoxes = true;
  Cargar("SELECT DESCRIPCION FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('1','2') ORDER BY 1");
  m.ListView1_ItemCheck(m.Filas().EnPosicion(0), true);
  m.CmdTodos_Click();
  EXPECT_FALSE(m.Filas().Marcada(m.Filas().EnPosicion(0)));
  EXPECT_TRUE(m.Filas().Marcada(m.Filas().EnPosicion(1)));
  EXPECT_TRUE(m.ListView1_KeyDown(TeclaLista::Espacio, false));
  EXPECT_TRUE(m.Filas().Marcada(m.Filas().EnPosicion(0)));
  EXPECT_EQ(m.CmbSearch(0).texto, "") << "with check boxes Space only marks";
}

TEST_F(ModeloLista, ValoresDefaultMarcaSusFilasAlCargar) {
  m.CheckBoxes = true;
  m.CampoDevuelto = "Descripcion";
  m.ValoresDefault = "yerba mate|ARROZ LARGO FINO";
  Cargar();
  std::vector<std::string> marcadas;
  for (size_t p = 0; p < m.Filas().Cantidad(); ++p)
    if (m.Filas().Marcada(m.Filas().EnPosicion(p))) marcadas.emplace_back(m.Filas().Celda(m.Filas().EnPosicion(p), 0));
  EXPECT_EQ(marcadas, (std::vector<std::string>{"ARROZ LARGO FINO", "YERBA MATE"}));
}

TEST_F(ModeloLista, EscribirEnLaListaSigueEnLaUltimaCajaEnfocada) {
  Cargar();
  m.CmbSearch_GotFocus(1);
  m.CmbSearch_Escribir(1, "1");
  EXPECT_TRUE(m.ListView1_KeyDown(TeclaLista::Caracter, false, "3"));
  EXPECT_EQ(m.CmbSearch(1).texto, "13");
  EXPECT_EQ(Seleccionada(m), "BOLSAS X10");
  EXPECT_EQ(vista.foco, "caja1");
  m.ListView1_KeyDown(TeclaLista::Retroceso, false);
  EXPECT_EQ(m.CmbSearch(1).texto, "1");
  m.ListView1_KeyDown(TeclaLista::Espacio, false);
  EXPECT_EQ(m.CmbSearch(1).texto, "1 ");
  EXPECT_FALSE(m.ListView1_KeyDown(TeclaLista::Otra, false));
  // The arrows in a box hand the focus to the list.
  EXPECT_TRUE(m.CmbSearch_KeyDown(0, TeclaLista::Abajo));
  EXPECT_EQ(vista.foco, "lista");
}

class CantidadesLista : public ModeloLista {
 protected:
  void SetUp() override {
    ModeloLista::SetUp();
    regional::FijarSeparadores('.', ',');  // the users' comma has a test of its own
    m.UsaCantidades = true;
    Cargar("SELECT DESCRIPCION, '2.0' AS Cantidad FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('1','2') ORDER BY 1");
  }
  std::string Cantidad() const { return std::string(m.Filas().Celda(size_t(m.FilaSeleccionada()), 1)); }
  bool Marcada() const { return m.Filas().Marcada(size_t(m.FilaSeleccionada())); }
};

TEST_F(CantidadesLista, InsertarSumaYSuprimirResta) {
  EXPECT_TRUE(m.ListView1_KeyDown(TeclaLista::Insertar, false));
  EXPECT_EQ(Cantidad(), "3.0");
  EXPECT_TRUE(Marcada());
  m.ListView1_KeyDown(TeclaLista::Suprimir, false);
  EXPECT_EQ(Cantidad(), "2.0");
  EXPECT_TRUE(Marcada()) << "a quantity above zero keeps the mark";
  m.ListView1_KeyDown(TeclaLista::Suprimir, false);
  m.ListView1_KeyDown(TeclaLista::Suprimir, false);
  EXPECT_EQ(Cantidad(), "0.00");
  EXPECT_FALSE(Marcada());
}

TEST_F(CantidadesLista, LaCantidadIngresadaSeEscribeConDosDecimales) {
  struct Caso {
    const char* ingresado;
    const char* escrito;
  };
  const Caso casos[] = {{"4", "4.00"}, {"2.5", "2.50"}, {"", "0.00"}, {"muchos", "0.00"}, {"0", "0.00"}};
  for (const Caso& c : casos) {
    m.ListView1_ItemCheck(size_t(m.FilaSeleccionada()), false);
    op->ResponderTexto(c.ingresado);
    EXPECT_TRUE(m.ListView1_KeyDown(TeclaLista::Insertar, true));
    EXPECT_EQ(Cantidad(), c.escrito) << c.ingresado;
    EXPECT_TRUE(Marcada()) << c.ingresado;
  }
  const auto& pedido = op->Mostrados().front();
  EXPECT_EQ(pedido.clase, "Entrada");
  EXPECT_EQ(pedido.texto, "Ingrese la Cantidad del Articulo...");
  EXPECT_EQ(pedido.titulo, "Carga de Datos");
}

TEST_F(CantidadesLista, ConComaDecimalLasCantidadesSeLeenYEscribenConComa) {
  regional::FijarSeparadores(',', '.');
  m.ListView1_KeyDown(TeclaLista::Insertar, false);
  EXPECT_EQ(Cantidad(), "3,0");
  m.ListView1_KeyDown(TeclaLista::Insertar, false);
  EXPECT_EQ(Cantidad(), "4,0");
}

TEST_F(CantidadesLista, SinUsaCantidadesLasTeclasNoHacenNada) {
  m.UsaCantidades = false;
  EXPECT_FALSE(m.ListView1_KeyDown(TeclaLista::Insertar, false));
  EXPECT_EQ(Cantidad(), "2.0");
}

TEST_F(ModeloLista, ColoresDeStockDeLasFilasDeArticulos) {
  m.MuestraStock = "si";
  m.StkNivel1 = Variant(1);
  m.StkNivel2 = Variant(2);
  m.StkNivel3 = Variant(3);
  m.StkNivel4 = Variant(4);
  Cargar(
      "SELECT DESCRIPCION, PUNTOPEDIDO, Stock FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('1','2','3','4','5') "
      "ORDER BY DESCRIPCION");
  std::vector<std::string> colores;
  for (size_t p = 0; p < m.Filas().Cantidad(); ++p) colores.push_back(m.ColorDeFila(m.Filas().EnPosicion(p)).Texto());
  // P 10 S 25; P 0 S 4; P 20 S 5; P 0 S 0; P 5 S 5.
  EXPECT_EQ(colores, (std::vector<std::string>{"2", "1", "3", "4", "4"}));
  // A blank colour leaves the row as it is.
  m.StkNivel2 = Variant();
  EXPECT_TRUE(m.ColorDeFila(m.Filas().EnPosicion(0)).EsVacio());
  m.MuestraStock = "NO";
  EXPECT_TRUE(m.ColorDeFila(m.Filas().EnPosicion(1)).EsVacio());
}

TEST_F(ModeloLista, SinPuntoDePedidoNiStockNoHayColor) {
  m.MuestraStock = "SI";
  m.StkNivel1 = m.StkNivel2 = m.StkNivel3 = m.StkNivel4 = Variant(255);
  Cargar();
  EXPECT_TRUE(m.ColorDeFila(0).EsVacio());
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ModeloLista, F12InformaElFaltanteConLasComillasDobladas) {
  db.gUsuario = "o'neil";
  Cargar("SELECT IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS ORDER BY IDARTICULO");
  Elegir(m, "10");
  op->ResponderMensaje(respuesta::Si);
  EXPECT_TRUE(m.Form_KeyDown(TeclaLista::F12));
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Desea informar el articulo 10 CAFE'S O'HIGGINS\r\ncomo un faltante de stock?");
  EXPECT_EQ(op->Mensajes()[0].titulo, "Atención!");
  EXPECT_EQ(op->Mensajes()[0].estilo, botones::SiNo + botones::Pregunta);
  EXPECT_EQ(Consultar("SELECT IdArticulo, Descripcion, Usuario FROM V_MV_FALTANTES"),
            (Filas{{"10", "CAFE'S O'HIGGINS", "o'neil"}}));
  const Filas fecha = Consultar("SELECT FechaHora FROM V_MV_FALTANTES");
  EXPECT_FALSE(fecha[0][0].empty());
  // "No" writes nothing; a list that is not of articles lets F12 pass.
  op->ResponderMensaje(respuesta::No);
  m.Form_KeyDown(TeclaLista::F12);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM V_MV_FALTANTES"), (Filas{{"1"}}));
  Cargar("SELECT CODIGO FROM VT_CLIENTES");
  EXPECT_FALSE(m.Form_KeyDown(TeclaLista::F12));
}

}  // namespace
