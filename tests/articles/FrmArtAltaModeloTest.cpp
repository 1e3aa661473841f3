// The registration window's load step, buttons and keys.
#include <gtest/gtest.h>

#include "BaseArticulos.h"
#include "ModeloPrueba.h"

namespace {

class FrmArtAltaCarga : public BaseArticulos {};

TEST_F(FrmArtAltaCarga, ConAltaAutomaticaLaVentanaQuedaComoEstaDisenada) {
  for (const char* valor : {"SI", "si", "Si"}) {
    SCOPED_TRACE(valor);
    Configurar(alta_articulo::kClaveAltaAutomatica, valor);
    ModeloPrueba v;
    v.Abrir("1235");
    ModeloVentana& m = v.modelo.Ventana();
    EXPECT_EQ(m.caption, "Articulos");
    EXPECT_TRUE(m.Control("FramAlta")->visible);
    EXPECT_EQ(m.Control("CmdAlta")->texto, "[F2] &Alta");
    EXPECT_EQ(v.Caja("Codigo"), "1235");
    EXPECT_EQ(v.Proceso(), "...");
  }
}

TEST_F(FrmArtAltaCarga, SinAltaAutomaticaSeOcultaElAltaSeVacianLasCajasYElBotonEsAceptar) {
  for (const char* valor : {"NO", "S", ""}) {
    SCOPED_TRACE(valor);
    if (*valor) Configurar(alta_articulo::kClaveAltaAutomatica, valor);
    else Ejecutar("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'ARTICULOSPERMITEALTAAUTOMATICA'");
    ModeloPrueba v;
    for (const char* clave : {"Codigo", "Descripcion", "Precio"}) v.Texto(clave, "x");
    v.modelo.Form_Load();
    ModeloVentana& m = v.modelo.Ventana();
    EXPECT_FALSE(m.Control("FramAlta")->visible);
    EXPECT_EQ(m.Control("CmdAlta")->texto, "Aceptar");
    for (const char* clave : {"Codigo", "Descripcion", "Precio"}) EXPECT_EQ(v.Caja(clave), "");
    // F2 still closes it as accepted, registering nothing.
    EXPECT_TRUE(v.modelo.Form_KeyDown(113));
    EXPECT_TRUE(v.modelo.pAceptar);
    EXPECT_EQ(v.ocultada, 1);
  }
  EXPECT_TRUE(Articulos().empty());
}

TEST_F(FrmArtAltaCarga, LasCajasSeEncuentranPorSuClave) {
  ModeloPrueba v;
  EXPECT_EQ(v.modelo.Caja("codigo").indice, 0);
  EXPECT_EQ(v.modelo.Caja("DESCRIPCION").indice, 1);
  EXPECT_EQ(v.modelo.Caja("Precio").indice, 2);
}

class FrmArtAltaComandos : public BaseArticulos {};

TEST_F(FrmArtAltaComandos, AltaSinDescripcionCierraAceptadaSinRegistrar) {
  ModeloPrueba v;
  v.Abrir("1235");
  v.Texto("Descripcion", "   ");
  v.modelo.CmdAlta_Click();
  EXPECT_TRUE(v.modelo.pAceptar);
  EXPECT_EQ(v.modelo.CodArtNuevo, "");
  EXPECT_EQ(v.ocultada, 1);
  EXPECT_TRUE(Articulos().empty());
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(FrmArtAltaComandos, CancelarYEscapeOcultanSinAceptar) {
  ModeloPrueba v;
  v.Abrir("1235");
  v.modelo.pAceptar = true;
  v.modelo.cmdCancelar_Click();
  EXPECT_FALSE(v.modelo.pAceptar);
  v.modelo.pAceptar = true;
  EXPECT_TRUE(v.modelo.Form_KeyDown(27));
  EXPECT_FALSE(v.modelo.pAceptar);
  EXPECT_EQ(v.ocultada, 2);
  EXPECT_FALSE(v.modelo.Form_KeyDown(13));  // other keys belong to the boxes
  EXPECT_EQ(v.ocultada, 2);
}

TEST_F(FrmArtAltaComandos, F7ConCodigoVacioAvisaYNoPregunta) {
  ModeloPrueba v;
  v.Abrir("   ");
  v.Texto("Descripcion", "ALGO");
  EXPECT_TRUE(v.modelo.Form_KeyDown(118));
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Debe informar el numero de Codigo de Barras");
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador");
  EXPECT_EQ(op->Mensajes()[0].estilo, 16);
  EXPECT_EQ(v.Caja("Descripcion"), "");
  EXPECT_EQ(v.foco, "TxtFields(1)");
  EXPECT_EQ(v.Proceso(), "Debe informar el codigo.");
  EXPECT_TRUE(servidor.Pedidos().empty());
}

}  // namespace
