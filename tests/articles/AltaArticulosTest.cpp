// Registration of an article from the window: the next number, the
// duplicate-barcode question, the price class, and what the database says.
#include <gtest/gtest.h>

#include <algorithm>

#include "BaseArticulos.h"
#include "ModeloPrueba.h"
#include "sivlib/Operador.h"

namespace {

using Fila = std::vector<std::string>;

Fila Registrado(const std::string& numero, const std::string& codigo, const std::string& descripcion) {
  return {Id25(numero), codigo, descripcion, "   1", "0", "0", "0", "0"};
}

class AltaArticulos : public BaseArticulos {
 protected:
  // Fills the window as the operator does and presses F2.
  static void Alta(ModeloPrueba& w, const std::string& codigo, const std::string& descripcion) {
    w.Abrir(codigo);
    w.Texto("Descripcion", descripcion);
    w.Texto("Precio", "150");
    EXPECT_TRUE(w.modelo.Form_KeyDown(113));
    EXPECT_TRUE(w.modelo.pAceptar);
    EXPECT_EQ(w.ocultada, 1);
  }
  void Alta(const std::string& codigo, const std::string& descripcion) { Alta(v, codigo, descripcion); }
  // The one message box shown (an empty one when there was none).
  OperadorGuionado::Mostrado UnicoMensaje() {
    EXPECT_EQ(op->Mensajes().size(), 1u);
    return op->Mensajes().empty() ? OperadorGuionado::Mostrado{} : op->Mensajes()[0];
  }
  ModeloPrueba v;
};

TEST_F(AltaArticulos, TomaElNumeroSiguienteAlMayorDeLosCodigosQueEmpiezanConBlanco) {
  Articulo(Id25("1234"), "111", "ARROZ");
  Articulo(Id25("87"), "222", "FIDEOS");
  Articulo("0009999", "333", "ACEITE");  // codes led by a zero are another numbering
  Articulo("X1", "444", "YERBA");
  Alta("7790001234567", "AGUA 500");
  EXPECT_EQ(v.modelo.CodArtNuevo, "1235");
  const Filas filas = Consultar(
      "SELECT IdArticulo,CodigoBarra,Descripcion,IdUnidad,UsaSerie,UsaLote,Exento,Suspendido "
      "FROM V_MA_ARTICULOS WHERE IdArticulo = '" +
      Id25("1235") + "'");
  EXPECT_EQ(filas, (Filas{Registrado("1235", "7790001234567", "AGUA 500")}));
  EXPECT_EQ(Id25("1235").size(), 25u);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(AltaArticulos, EnUnMaestroVacioElPrimeroEsUnoYLosTextosVanComoSeEscribieron) {
  // Apostrophes, blanks around, an "&": all stored as typed.
  Alta(" 779'A&B ", " AGUA D'ORO ");
  EXPECT_EQ(v.modelo.CodArtNuevo, "1");
  EXPECT_EQ(Articulos(), (Filas{Registrado("1", " 779'A&B ", " AGUA D'ORO ")}));
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(AltaArticulos, CodigoDeBarrasRepetidoPreguntaYElOperadorDecide) {
  struct Caso {
    int respuesta;
    size_t filas;
    const char* codArtNuevo;
  };
  for (const Caso& c : {Caso{respuesta::No, 1, ""}, Caso{respuesta::Si, 2, "8"}}) {
    SCOPED_TRACE(c.respuesta);
    Ejecutar("DELETE FROM V_MA_ARTICULOS");
    op->Limpiar();
    Articulo(Id25("7"), " 7790001 ", " SODA 2L ");
    op->ResponderMensaje(c.respuesta);
    ModeloPrueba w;
    Alta(w, "7790001", "SODA 1L");
    const auto pregunta = UnicoMensaje();
    EXPECT_EQ(pregunta.texto,
              "Ya existe un articulo con ese codigo de barras.\r\nArticulo 7 - SODA 2L\r\n¿Ingresarlo igual?");
    EXPECT_EQ(pregunta.titulo, "Aviso al Operador");
    EXPECT_EQ(pregunta.estilo, 4 + 64);
    EXPECT_EQ(Articulos().size(), c.filas);
    EXPECT_EQ(w.modelo.CodArtNuevo, c.codArtNuevo);
    EXPECT_TRUE(w.modelo.pAceptar);
  }
}

TEST_F(AltaArticulos, SinCodigoDeBarrasLaPreguntaEncuentraLosArticulosSinCodigo) {
  Articulo(Id25("3"), "   ", "SIN CODIGO");
  op->ResponderMensaje(respuesta::No);
  Alta("", "NUEVO");
  EXPECT_EQ(UnicoMensaje().texto,
            "Ya existe un articulo con ese codigo de barras.\r\nArticulo 3 - SIN CODIGO\r\n¿Ingresarlo igual?");
  EXPECT_EQ(Articulos().size(), 1u);
}

TEST_F(AltaArticulos, SinClaseDePrecioAvisaYNoEscribe) {
  for (const char* clase : {static_cast<const char*>("  "), static_cast<const char*>(nullptr)}) {
    SCOPED_TRACE(clase ? "blanca" : "ausente");
    op->Limpiar();
    if (clase) Configurar(alta_articulo::kClaveClasePrecio, clase);
    else Ejecutar("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CLASEPRECIOVENTA'");
    ModeloPrueba w;
    w.modelo.CodArtNuevo = "77";  // left from an earlier registration
    Alta(w, "779", "AGUA");
    const auto aviso = UnicoMensaje();
    EXPECT_EQ(aviso.texto, "Debe informar la clase de precio por default desde la Configuración General del Sistema");
    EXPECT_EQ(aviso.estilo, 0);
    EXPECT_EQ(aviso.titulo, "");
    EXPECT_EQ(w.modelo.CodArtNuevo, "77");
  }
  EXPECT_TRUE(Articulos().empty());
}

TEST_F(AltaArticulos, UnNumeroQueYaResuelveAUnArticuloNoEscribeNada) {
  Articulo(Id25("41"), "555", "JUGO");
  Ejecutar("UPDATE V_MA_ARTICULOS SET CodigoBarra3 = '" + Id25("42") + "'");
  v.modelo.CodArtNuevo = "41";
  Alta("779", "AGUA");
  EXPECT_EQ(v.modelo.CodArtNuevo, "");
  EXPECT_EQ(Articulos().size(), 1u);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(AltaArticulos, UnAltaQueLaBaseRechazaMuestraSuMensaje) {
  // An article master that asks for one more column than the window writes.
  Ejecutar("ALTER TABLE V_MA_ARTICULOS ADD COLUMN IdRubro varchar(4) NOT NULL DEFAULT 'x'");
  Ejecutar(
      "CREATE TRIGGER rubro BEFORE INSERT ON V_MA_ARTICULOS WHEN NEW.IdRubro = 'x' "
      "BEGIN SELECT RAISE(ABORT, 'Falta el rubro del articulo'); END");
  Alta("779", "AGUA");
  EXPECT_EQ(v.modelo.CodArtNuevo, "");
  EXPECT_TRUE(Articulos().empty());
  ASSERT_FALSE(op->Mensajes().empty());
  EXPECT_NE(op->Mensajes().back().texto.find("Falta el rubro del articulo"), std::string::npos)
      << op->Mensajes().back().texto;
}

TEST_F(AltaArticulos, SinMaestroDeArticulosElNumeroNoSeCalculaYNadaSeEscribe) {
  Ejecutar("ALTER TABLE V_MA_ARTICULOS RENAME TO OTRO_MAESTRO");
  Alta("779", "AGUA");
  EXPECT_EQ(v.modelo.CodArtNuevo, "");
  bool avisado = false;
  for (const auto& m : op->Mensajes()) avisado = avisado || m.titulo.find("AltaArticulos") != std::string::npos;
  EXPECT_TRUE(avisado) << "the failed search is reported with the routine's name";
  EXPECT_TRUE(Consultar("SELECT * FROM OTRO_MAESTRO").empty());
}

TEST_F(AltaArticulos, UnErrorAnteriorEnLaListaNoEscondeUnAltaCorrecta) {
  // A failure earlier in the session stays in the connection's error list.
  db.EjecutaConsultaSQL("INSERT INTO TABLA_QUE_NO_EXISTE VALUES (1)");
  ASSERT_GT(db.gCnn->Errors.Count(), 0);
  Alta("779", "AGUA");
  EXPECT_EQ(v.modelo.CodArtNuevo, "1");
  EXPECT_EQ(Articulos().size(), 1u);
  EXPECT_TRUE(op->Mensajes().empty());
}

// The statements themselves, on the recording engine.
class AltaArticulosSentencias : public ConGrabador {
 protected:
  void SetUp() override {
    ConGrabador::SetUp();
    ResponderFilas("FROM TA_CONFIGURACION", {{"VALOR"}, {"valoraux"}}, {{Variant("SI"), Variant("")}});
    ResponderFilas("LTRIM(RTRIM(codigobarra))", {{"IdArticulo"}, {"Descripcion"}}, {});  // a new barcode
    ResponderFilas("MAX(idarticulo)", {{"MAYOR"}}, {{Variant(Id25("1234"))}});
    // 1235 is free when asked before the insert (first and last statement of the search).
    ResponderFilas("WHERE IDARTICULO =", {{"IdArticulo"}}, {}, 2);
  }
  void Alta() {
    v.Abrir("7790");
    v.Texto("Descripcion", "AGUA D'ORO");
    v.modelo.CmdAlta_Click();
  }
  std::string Insercion() {
    for (const std::string& s : Sentencias())
      if (s.rfind("INSERT", 0) == 0) return s;
    return {};
  }
  ModeloPrueba v;
};

TEST_F(AltaArticulosSentencias, ElNumeroSaleDelMaximoYLaFilaLlevaLosApostrofesDoblados) {
  ResponderFilas("WHERE IDARTICULO =", {{"IdArticulo"}}, {{Variant(Id25("1235"))}});
  Alta();
  const auto s = Sentencias();
  EXPECT_NE(std::find(s.begin(), s.end(),
                      "SELECT MAX(idarticulo) AS MAYOR FROM v_ma_articulos WHERE SUBSTRING(IDARTICULO,1,1) = ' '"),
            s.end());
  EXPECT_EQ(Insercion(),
            "INSERT INTO V_MA_ARTICULOS (IdArticulo,CodigoBarra,Descripcion,IdUnidad,UsaSerie,UsaLote,Exento,"
            "Suspendido) VALUES ('                     1235','7790','AGUA D''ORO','   1',0,0,0,0)");
  EXPECT_EQ(v.modelo.CodArtNuevo, "1235");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(AltaArticulosSentencias, UnTruncamientoQueLaListaOlvidaNoPasaPorAltaHecha) {
  // SQL Server refuses a description longer than its column with 8152,
  // which the statement runner clears as a mere warning.
  grabacion->Responder(
      "INSERT INTO V_MA_ARTICULOS",
      RespuestaGrabada::Falla(ado::ErrorNoEspecificado, 8152, "22001", "String or binary data would be truncated."));
  Alta();
  EXPECT_FALSE(Insercion().empty());
  EXPECT_EQ(v.modelo.CodArtNuevo, "");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "El articulo 1235 no quedo registrado en la base de datos.");
}

}  // namespace
