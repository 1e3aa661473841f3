// The lookup service on a real embedded database: the statement it builds
// for each kind of request, the hand-over to the windows and back, and the
// clean-up. The windows are driven headless through the service's hooks.
#include <gtest/gtest.h>

#include "ConsultaDePrueba.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3TreeModelo.h"
#include "lookup/MascarasConsultas.h"
#include "services/Configuracion.h"
#include "sivlib/Operador.h"

namespace {

class ServicioConsultasTest : public ConsultaDePrueba {
 protected:
  void SetUp() override {
    ConsultaDePrueba::SetUp();
    s.gRutaMascaraConsultas = carpeta / "consultas.prx";
    s.gUsarMascarasConsultas = true;
    ASSERT_TRUE(s.CrearMascarasConsultas());
    // The list window as an operator who looks at it and accepts.
    s.MostrarLista = [this](Lib_FrmCons3Modelo& m) {
      visto = Visto{m.SQL,        m.OrdenarPorLwv, m.FiltroInicial, m.CampoBusqueda, m.CampoDevuelto,
                    m.CheckBoxes, m.UsaCantidades, m.gConnString,   m.CmpsDevueltos};
      ++ventanas;
      if (accion) accion(m);
    };
  }
  // What the list window received.
  struct Visto {
    std::string sql;
    bool ordenarPorLwv = false;
    std::string filtroInicial, campoBusqueda, campoDevuelto;
    bool checkBoxes = false, usaCantidades = false;
    std::string connString;
    ColeccionTextos cmpsDevueltos;
  };
  // The statement the list window got for a table.
  std::string Sentencia(const std::string& sql, std::string campoBusqueda = "", const std::string& where = "",
                        const std::string& opcional = "") {
    ColeccionTextos cmps = NuevaListaTextos();
    visto = {};
    s.ConsultaSearch(sql, cmps, "", campoBusqueda, where, opcional, false);
    buscada = campoBusqueda;
    return visto.sql;
  }
  // A definitions file of one record.
  void UnaMascara(const MascaraConsulta& m) { EscribirArchivo(s.gRutaMascaraConsultas, mascaras::Registro(m)); }

  Lib_ClsCons3 s;
  Visto visto;
  int ventanas = 0;
  std::string buscada;
  std::function<void(Lib_FrmCons3Modelo&)> accion;
};

TEST_F(ServicioConsultasTest, SentenciasDeLasDefinicionesPredeterminadas) {
  struct Caso {
    const char* sql;
    const char* campoBusqueda;
    const char* where;
    const char* sentencia;
    const char* buscada;
  };
  const Caso casos[] = {
      {"V_MA_ARTICULOS", "", "", kArticulos, "DESCRIPCION"},
      {"  vt_clientes ", "", "",
       "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL",
       "RAZON_SOCIAL"},
      {"vt_clientes", "", "ZONA = 3",
       "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE ZONA = 3 ORDER BY RAZON_SOCIAL",
       "RAZON_SOCIAL"},
      {"V_TA_VENDEDORES", "IDVENDEDOR", "",
       "SELECT TOP 1000 NOMBRE,IDVENDEDOR FROM V_TA_VENDEDORES ORDER BY IDVENDEDOR", "IDVENDEDOR"},
      {"VT_PROVEEDORES", "", "   ",
       "SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL",
       "RAZON_SOCIAL"},
      {"MA_CONTACTOS", "", "",
       "SELECT TOP 1000 Nombre_y_Apellido,Domicilio,Localidad,Telefono FROM MA_CONTACTOS ORDER BY Nombre_y_Apellido",
       "Nombre_y_Apellido"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Sentencia(c.sql, c.campoBusqueda, c.where), c.sentencia) << c.sql;
    EXPECT_EQ(buscada, c.buscada) << c.sql;
    EXPECT_FALSE(visto.ordenarPorLwv) << c.sql;
  }
}

TEST_F(ServicioConsultasTest, ElLimiteDeFilasSaleDeLaConfiguracion) {
  struct Caso {
    const char* valor;  // nullptr: no key
    const char* inicio;
  };
  const Caso casos[] = {{nullptr, "SELECT TOP 1000 "},
                        {"250", "SELECT TOP 250 "},
                        {"muchas", "SELECT TOP 1000 "},
                        {"0", "SELECT TOP 1000 "}};
  for (const Caso& c : casos) {
    Ejecutar("DELETE FROM TA_CONFIGURACION");
    if (c.valor) GrabaDfg("TopConsArt", std::string(c.valor));
    EXPECT_EQ(Sentencia("V_TA_VENDEDORES").rfind(c.inicio, 0), 0u) << (c.valor ? c.valor : "(none)");
    EXPECT_EQ(Sentencia("T_SALDOS").rfind(c.inicio, 0), 0u) << (c.valor ? c.valor : "(none)");
  }
}

TEST_F(ServicioConsultasTest, SinDefinicionLasColumnasSalenDeLaTabla) {
  EXPECT_EQ(Sentencia("T_SALDOS"), "SELECT TOP 1000 SALDO,NOMBRE,CODIGO FROM T_SALDOS ORDER BY NOMBRE");
  EXPECT_EQ(buscada, "NOMBRE");
  // The caller's search column gives way to the table's.
  EXPECT_EQ(Sentencia("T_SALDOS", "CODIGO"), "SELECT TOP 1000 SALDO,NOMBRE,CODIGO FROM T_SALDOS ORDER BY NOMBRE");
  // Without a description column, the first one read.
  Ejecutar("CREATE TABLE T_CODIGOS (ID int, CODIGO varchar(5), FECHAHORA_GRABACION datetime, IMPORTE money)");
  EXPECT_EQ(Sentencia("T_CODIGOS"), "SELECT TOP 1000 IMPORTE,CODIGO FROM T_CODIGOS ORDER BY CODIGO");
  // Nothing but the omitted columns: every column, and nothing to order by.
  Ejecutar("CREATE TABLE T_VACIA (ID int, FECHAHORA_MODIFICACION datetime)");
  EXPECT_EQ(Sentencia("T_VACIA"), "SELECT TOP 1000  *  FROM T_VACIA");
  // With the definitions switched off, a table that has one is read too.
  s.gUsarMascarasConsultas = false;
  EXPECT_EQ(Sentencia("V_TA_VENDEDORES"), "SELECT TOP 1000 NOMBRE,IDVENDEDOR FROM V_TA_VENDEDORES ORDER BY NOMBRE");
  EXPECT_TRUE(visto.ordenarPorLwv == false);
}

TEST_F(ServicioConsultasTest, UnaSentenciaCompletaSeUsaTalCual) {
  EXPECT_EQ(Sentencia("select codigo, nombre from T_SALDOS"), "select codigo, nombre from T_SALDOS");
  EXPECT_TRUE(visto.ordenarPorLwv) << "without ORDER BY the list sorts itself";
  EXPECT_EQ(Sentencia("SELECT codigo FROM T_SALDOS order by codigo"), "SELECT codigo FROM T_SALDOS order by codigo");
  EXPECT_FALSE(visto.ordenarPorLwv);
  // The optional statement stands in for reading the table's columns.
  EXPECT_EQ(Sentencia("T_SALDOS", "", "", "SELECT NOMBRE FROM T_SALDOS"), "SELECT NOMBRE FROM T_SALDOS");
  // ... but a definition comes first.
  EXPECT_EQ(Sentencia("V_MA_ARTICULOS", "", "", "SELECT 1"), kArticulos);
}

TEST_F(ServicioConsultasTest, DefinicionDeUnaSolaColumna) {
  UnaMascara({"SALDOS", "T_SALDOS", "|CODIGO|", ""});
  s.CampoDevuelto = "CODIGO";
  ColeccionTextos cmps = NuevaListaTextos();
  cmps->push_back("NOMBRE");
  std::string campoBusqueda;
  s.ConsultaSearch("T_SALDOS", cmps, "", campoBusqueda, "", "", false);
  EXPECT_EQ(ventanas, 0);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Debe configurar la consulta para esta tabla");
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al operador");
  EXPECT_EQ(op->Mensajes()[0].estilo, botones::Informacion);
  // The operation ended at once: nothing was cleaned up.
  EXPECT_EQ(s.CampoDevuelto, "CODIGO");
  ASSERT_TRUE(cmps);
  EXPECT_EQ(*cmps, std::vector<std::string>{"NOMBRE"});

  EXPECT_EQ(Sentencia("T_SALDOS", "CODIGO"), "SELECT TOP 1000 CODIGO FROM T_SALDOS ORDER BY CODIGO");
  UnaMascara({"SALDOS", "T_SALDOS", "", ""});
  EXPECT_EQ(Sentencia("T_SALDOS", "CODIGO"), "SELECT TOP 1000 * FROM T_SALDOS ORDER BY CODIGO");
}

TEST_F(ServicioConsultasTest, LaCondicionDeLaDefinicionYSusCamposConRelleno) {
  // A record written by a tool that pads with NULs, with its own condition.
  std::string registro = mascaras::Registro({"SALDOS", "", "|NOMBRE|CODIGO|", ""});
  registro.replace(100, 8, "T_SALDOS");
  registro.replace(108, 92, std::string(92, '\0'));
  registro.replace(700, 11, "SALDO > 15 ");
  registro.replace(711, 489, std::string(489, '\xFF'));
  EscribirArchivo(s.gRutaMascaraConsultas, registro);
  EXPECT_EQ(Sentencia("t_saldos", "", "ZONA = 1"),
            "SELECT TOP 1000 NOMBRE,CODIGO FROM T_SALDOS WHERE SALDO > 15 ORDER BY NOMBRE");
}

TEST_F(ServicioConsultasTest, LaVentanaRecibeLoQueElLlamadorPideYDevuelveLoElegido) {
  s.CampoDevuelto = "CODIGO";
  s.Checks = false;
  s.UsaCantidades = true;
  s.gConnString = "cadena";
  ColeccionTextos cmps = NuevaListaTextos();
  cmps->assign({"RAZON_SOCIAL", "CONTACTO"});
  accion = [](Lib_FrmCons3Modelo& m) {
    m.Form_Load();
    m.CmdAceptar_Click();
  };
  std::string campoBusqueda;
  s.ConsultaSearch("VT_CLIENTES", cmps, "KIOS", campoBusqueda, "", "", false);
  ASSERT_EQ(ventanas, 1);
  EXPECT_EQ(visto.filtroInicial, "KIOS");
  EXPECT_EQ(visto.campoBusqueda, "RAZON_SOCIAL");
  EXPECT_EQ(visto.campoDevuelto, "CODIGO");
  EXPECT_TRUE(visto.usaCantidades);
  EXPECT_EQ(visto.connString, "cadena");
  EXPECT_EQ(s.ValorDevuelto.Texto(), "C3");
  ASSERT_TRUE(s.Valores);
  EXPECT_EQ(s.Valores->size(), 2u);
  EXPECT_EQ((*s.Valores)[0].Texto(), "KIOSCO CENTRO");
  EXPECT_EQ((*s.Valores)[1].Texto(), "EVA");
  ASSERT_TRUE(s.Cantidades);
  EXPECT_TRUE(s.Cantidades->empty());
  // The clean-up: the caller's names emptied and released, the returned column forgotten.
  EXPECT_FALSE(cmps);
  EXPECT_TRUE(visto.cmpsDevueltos && visto.cmpsDevueltos->empty()) << "the window had the caller's collection";
  EXPECT_EQ(s.CampoDevuelto, "");
  EXPECT_FALSE(s.Checks);
}

TEST_F(ServicioConsultasTest, ConCasillasDevuelveLasFilasMarcadasYApagaLasCasillas) {
  s.Checks = true;
  s.CampoDevuelto = "IDARTICULO";
  accion = [](Lib_FrmCons3Modelo& m) {
    m.Form_Load();
    for (size_t f = 0; f < m.Filas().Cantidad(); ++f)
      if (m.Filas().Celda(f, 0).starts_with("CAFE")) m.ListView1_ItemCheck(f, true);
    m.CmdAceptar_Click();
  };
  ColeccionTextos cmps = NuevaListaTextos();
  std::string campoBusqueda;
  s.ConsultaSearch("V_MA_ARTICULOS", cmps, "", campoBusqueda, "", "", false);
  EXPECT_TRUE(visto.checkBoxes);
  ASSERT_TRUE(s.Valores);
  std::vector<std::string> valores;
  for (const Variant& v : *s.Valores) valores.push_back(v.Texto());
  EXPECT_EQ(valores, (std::vector<std::string>{"8", "9", "10"}));
  EXPECT_FALSE(s.Checks);
}

TEST_F(ServicioConsultasTest, CancelarNoDevuelveNingunaColeccion) {
  s.ValorDevuelto = Variant("anterior");
  accion = [](Lib_FrmCons3Modelo& m) {
    m.Form_Load();
    m.CmdCancelar_Click();
  };
  ColeccionTextos cmps = NuevaListaTextos();
  std::string campoBusqueda;
  s.ConsultaSearch("VT_CLIENTES", cmps, "", campoBusqueda, "", "", false);
  EXPECT_EQ(s.ValorDevuelto.Texto(), "");
  EXPECT_FALSE(s.Valores);
  EXPECT_FALSE(cmps);
  // A second lookup needs a new collection, and works with new windows.
  cmps = NuevaListaTextos();
  accion = [](Lib_FrmCons3Modelo& m) {
    m.Form_Load();
    m.CmdAceptar_Click();
  };
  s.CampoDevuelto = "CODIGO";
  s.ConsultaSearch("VT_CLIENTES", cmps, "", campoBusqueda, "", "", false);
  EXPECT_EQ(s.ValorDevuelto.Texto(), "C1");
  ASSERT_TRUE(s.Valores);
}

TEST_F(ServicioConsultasTest, SinVentanasLaConsultaTerminaComoCancelada) {
  s.MostrarLista = nullptr;
  s.ValorDevuelto = Variant("anterior");
  ColeccionTextos cmps = NuevaListaTextos();
  std::string campoBusqueda;
  s.ConsultaSearch("VT_CLIENTES", cmps, "", campoBusqueda, "", "", false);
  EXPECT_EQ(s.ValorDevuelto.Texto(), "");
  EXPECT_FALSE(s.Valores);
  s.ConsultaSearch("MA_CUENTAS", cmps, "", campoBusqueda, "", "", true);
  EXPECT_EQ(s.ValorDevuelto.Texto(), "");
}

TEST_F(ServicioConsultasTest, ElArbolRecibeLaSentenciaYElCampoDevuelto) {
  std::string sqlArbol, campoArbol;
  s.MostrarArbol = [&](Lib_FrmCons3TreeModelo& t) {
    sqlArbol = t.SQL;
    campoArbol = t.CampoDevuelto;
    t.ValorDevuelto = Variant("101");
  };
  s.CampoDevuelto = "CODIGO";
  ColeccionTextos cmps = NuevaListaTextos();
  cmps->push_back("X");
  std::string campoBusqueda;
  s.ConsultaSearch("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO", cmps, "", campoBusqueda, "", "", true);
  EXPECT_EQ(ventanas, 0);
  EXPECT_EQ(sqlArbol, "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO");
  EXPECT_EQ(campoArbol, "CODIGO");
  EXPECT_EQ(s.ValorDevuelto.Texto(), "101");
  EXPECT_FALSE(cmps);
  EXPECT_EQ(s.CampoDevuelto, "");
}

}  // namespace
