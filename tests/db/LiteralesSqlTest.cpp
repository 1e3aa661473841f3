// SQL literals, ADO type predicates and object-name helpers.
#include <gtest/gtest.h>

#include "db/DB_Dll.h"
#include "sivlib/Regional.h"

namespace {

TEST(TiposAdo, SetsOfCodes) {
  for (int c : {7, 64, 133, 134, 135, 137}) EXPECT_TRUE(DB_Dll::adodate(c)) << c;
  for (int c : {8, 129, 130, 200, 201, 202, 203}) EXPECT_TRUE(DB_Dll::ADOText(c)) << c;
  for (int c : {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131}) EXPECT_TRUE(DB_Dll::ADONumeric(c)) << c;
  EXPECT_TRUE(DB_Dll::ADOCurrency(6));
  EXPECT_TRUE(DB_Dll::ADOBoolean(11));
  // Currency belongs to no other set; unknown and empty codes to none.
  EXPECT_FALSE(DB_Dll::ADONumeric(6));
  EXPECT_FALSE(DB_Dll::adodate(Variant()));
  EXPECT_FALSE(DB_Dll::ADOText(Variant::Nulo()));
  EXPECT_FALSE(DB_Dll::ADONumeric(999));
  EXPECT_EQ(DB_Dll::ADOComilla(6), "");
  EXPECT_EQ(DB_Dll::ADOComilla(11), "");
  EXPECT_EQ(DB_Dll::ADOComilla(135), "'");
  EXPECT_EQ(DB_Dll::ADOComilla(202), "'");
  EXPECT_EQ(DB_Dll::ADOComilla(Variant()), "");
}

TEST(TiposAdo, CodeHeldAsTextOrAsAFraction) {
  struct Caso {
    Variant codigo;
    const char* comilla;
    bool numerico;
  } casos[] = {
      {Variant("135"), "'", false},
      {Variant(" 200 "), "'", false},
      {Variant("131"), "", true},
      {Variant(7.5), "", false},  // no code is a fraction
      {Variant("7.5"), "", false},
      {Variant("7abc"), "", false},
      {Variant(""), "", false},
      {Variant("99999999999999999999999999"), "", false},
      {Variant::Booleano(true), "", false},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(DB_Dll::ADOComilla(c.codigo), c.comilla) << c.codigo.Texto();
    EXPECT_EQ(DB_Dll::ADONumeric(c.codigo), c.numerico) << c.codigo.Texto();
  }
}

class LiteralSql : public ::testing::Test {
 protected:
  void TearDown() override { regional::Restablecer(); }
};

TEST_F(LiteralSql, Kinds) {
  regional::FijarSeparadores('.', ',');
  EXPECT_EQ(DB_Dll::SQLValue(Variant("abc"), "'").Texto(), "'abc'");
  EXPECT_EQ(DB_Dll::SQLValue(Variant("abc"), "x").Texto(), "abc");
  EXPECT_EQ(DB_Dll::SQLValue(Variant(12.5), "").Texto(), "12.5");
  EXPECT_EQ(DB_Dll::SQLValue(Variant::Nulo(), "'").Texto(), "NULL");
  EXPECT_EQ(DB_Dll::SQLValue(Variant::Nulo(), "").Texto(), "NULL");
  EXPECT_EQ(DB_Dll::SQLValue(Variant::Nulo(), "@").Texto(), "0");
  EXPECT_EQ(DB_Dll::SQLValue(Variant("1234.56789"), "@").Texto(), "1234.5679");
  EXPECT_EQ(DB_Dll::SQLValue(Variant("7abc"), "@").Texto(), "7");
}

TEST_F(LiteralSql, AmountsUseAPointWhateverTheRegionalSeparator) {
  regional::FijarSeparadores(',', '.');
  EXPECT_EQ(DB_Dll::SQLValue(Variant("12,5"), "@").Texto(), "12.5");
  EXPECT_EQ(DB_Dll::SQLValue(Variant(-3.25), "@").Texto(), "-3.25");
}

TEST(NombresObjeto, SplitBracketStrip) {
  std::string n = "dbo.T";
  EXPECT_EQ(DB_Dll::stSTF(n, true), "T");
  EXPECT_EQ(DB_Dll::stSTF(n, false), "dbo");
  n = "srv.dbo.T";
  EXPECT_EQ(DB_Dll::stSTF(n, false), "dbo.T");
  EXPECT_EQ(n, "dbo.T");  // rewritten in place by StripOwner
  n = "T";
  EXPECT_EQ(DB_Dll::stSTF(n, true), "T");
  ErrorSistema e;
  EXPECT_EQ(DB_Dll::stSTF(n, false, &e), "");
  EXPECT_EQ(e.numero, errores::ArgumentoInvalido);

  EXPECT_EQ(DB_Dll::AddBrackets("Mi Tabla"), "[Mi Tabla]");
  EXPECT_EQ(DB_Dll::AddBrackets("[Mi Tabla]"), "[Mi Tabla]");
  EXPECT_EQ(DB_Dll::AddBrackets("Tabla"), "Tabla");
  EXPECT_EQ(DB_Dll::StripConnect("Tabla ->Otra"), "Tabla");
  EXPECT_EQ(DB_Dll::StripConnect("Tabla->Otra"), "Tabl");
  EXPECT_EQ(DB_Dll::StripConnect("Tabla"), "Tabla");
  EXPECT_EQ(DB_Dll::StripBrackets("[Mi Tabla]"), "Mi Tabla");
  EXPECT_EQ(DB_Dll::StripBrackets("[Mi Tabla"), "Mi Tabl");
  EXPECT_EQ(DB_Dll::StripBrackets("Tabla"), "Tabla");
  std::string o = "dbo.T";
  EXPECT_EQ(DB_Dll::StripOwner(o), "T");
  EXPECT_EQ(o, "T");
  EXPECT_EQ(DB_Dll::StripFileName("C:\\Datos\\erp.mdb"), "C:\\Datos");
  EXPECT_EQ(DB_Dll::StripFileName("C:\\Datos\\"), "C:\\Datos");
  EXPECT_EQ(DB_Dll::StripFileName("/srv/datos/erp.sqlite"), "/srv/datos");
  EXPECT_EQ(DB_Dll::StripFileName("erp.mdb"), "");
}

}  // namespace
