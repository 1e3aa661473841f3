// Whether a number is already an article: the statements in their order
// (recording engine) and the answers of a real article master (SQLite).
#include <gtest/gtest.h>

#include "BaseArticulos.h"
#include "articles/ResolverArticulo.h"

namespace {

const std::string F = "                     1235";  // 1235 in its width-25 form

std::vector<std::string> OchoSentencias() {
  const std::string porUnidad = "SELECT *,IDUNIDAD AS UDBASE , ISNULL(";
  return {"SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE IDARTICULO = '" + F + "'",
          "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE codigobarra =  '" + F + "'",
          porUnidad + "UD_TTE,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRADUN = '" + F + "'",
          porUnidad + "UMCB1,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRA1 = '" + F + "'",
          porUnidad + "UMCB2,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRA2 = '" + F + "'",
          porUnidad + "UMCB3,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRA3 = '" + F + "'",
          porUnidad + "UMCB4,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRA4 = '" + F + "'",
          "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE IDARTICULO = '" + F + "'"};
}

std::vector<std::string> Primeras(size_t n) {
  auto todas = OchoSentencias();
  todas.resize(n);
  return todas;
}

class ResolverArticuloSentencias : public ConGrabador {};

TEST_F(ResolverArticuloSentencias, NadaEncontradoRecorreLasOchoSentenciasConSusBlancos) {
  EXPECT_FALSE(ResolverArticulo("1235"));
  EXPECT_EQ(Sentencias(), OchoSentencias());
}

TEST_F(ResolverArticuloSentencias, SeDetieneEnLaPrimeraQueDaUnaFila) {
  struct Caso {
    const char* fragmento;
    size_t sentencias;
  };
  for (const Caso& c : {Caso{"WHERE IDARTICULO =", 1}, Caso{"WHERE CODIGOBARRA3 =", 6}}) {
    SCOPED_TRACE(c.fragmento);
    grabacion->Limpiar();
    ResponderFilas(c.fragmento, {{"IdArticulo"}}, {{Variant(F)}}, 1);
    EXPECT_TRUE(ResolverArticulo(" 1235 "));
    EXPECT_EQ(Sentencias(), Primeras(c.sentencias));
  }
}

class ResolverArticuloEnBase : public BaseArticulos {};

TEST_F(ResolverArticuloEnBase, NumeroDeArticuloCodigoAlternativoONada) {
  Articulo(Id25("1235"), "7790001", "AGUA 500");
  Articulo(Id25("77"), "7790002", "SODA");
  Ejecutar("UPDATE V_MA_ARTICULOS SET CodigoBarra3 = '" + Id25("4321") + "', UMCB3 = '   6' WHERE IdArticulo = '" +
           Id25("77") + "'");
  EXPECT_TRUE(ResolverArticulo("1235"));
  EXPECT_TRUE(ResolverArticulo("4321"));  // barcode 3 of article 77, stored in the same form
  EXPECT_FALSE(ResolverArticulo("1236"));
  EXPECT_FALSE(ResolverArticulo("7790001"));  // the barcode as typed is not its width-25 form
  EXPECT_TRUE(op->Mensajes().empty());
}

}  // namespace
