// Confidentiality rewrite: exact texts for restricted users.
#include <gtest/gtest.h>

#include "db/DB_Dll.h"
#include "sivlib/ValoresGlobales.h"

namespace {

struct Caso {
  const char* entrada;
  const char* esperado;
};

class Sinonimos : public ::testing::Test {
 protected:
  void SetUp() override { gConfidencialidad = true; }
  void TearDown() override { gConfidencialidad = false; }
  DB_Dll db;
};

TEST_F(Sinonimos, RestrictedUserReadsTheSsViews) {
  const Caso casos[] = {
      {"SELECT * FROM MA_CUENTAS WHERE c=1", "SELECT * FROM SS_MA_CUENTAS WHERE c=1"},
      {"select * from ma_cuentas where c=1", "select * from SS_MA_CUENTAS where c=1"},
      {"SELECT MA_CUENTAS.c FROM X", "SELECT SS_MA_CUENTAS.c FROM X"},
      {"SELECT (MA_CUENTAS.c) FROM (MA_CUENTAS a)", "SELECT (SS_MA_CUENTAS.c) FROM (SS_MA_CUENTAS a)"},
      {"SELECT a,MA_CUENTAS.c FROM {MA_CUENTAS.x}", "SELECT a,SS_MA_CUENTAS.c FROM {SS_MA_CUENTAS.x}"},
      // Only the listed neighbours count.
      {"SELECT * FROM\tMA_CUENTAS WHERE 1", "SELECT * FROM\tMA_CUENTAS WHERE 1"},
      {"SELECT * FROM [MA_CUENTAS] x", "SELECT * FROM [MA_CUENTAS] x"},
      {"SELECT * FROM MA_CUENTAS", "SELECT * FROM MA_CUENTAS"},
      {"SELECT * FROM MA_CUENTAS_X ", "SELECT * FROM MA_CUENTAS_X "},
      {"SELECT * FROM V_TA_DEPOSITO d", "SELECT * FROM SS_V_TA_DEPOSITO d"},
      {"SELECT * FROM MV_ASIENTOS a", "SELECT * FROM SS_MV_ASIENTOS a"},
      {"SELECT * FROM V_TA_FAMILIAS f,V_TA_FAMILIAS.x", "SELECT * FROM SS_V_TA_FAMILIAS f,SS_V_TA_FAMILIAS.x"},
      {"SELECT * FROM V_TA_CAJAS c", "SELECT * FROM SS_V_TA_CAJAS c"},
      {"SELECT * FROM AC_CUENTASDIARIO c", "SELECT * FROM SS_AC_CUENTASDIARIO c"},
      {"SELECT * FROM AC_CUENTASDIARIO_CCOSTO c", "SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO c"},
      {"SELECT AC_CUENTASDIARIO_CCOSTO.x FROM (AC_CUENTASDIARIO_CCOSTO.y",
       "SELECT SS_AC_CUENTAS_DIARIO_CCOSTO.x FROM (SS_AC_CUENTAS_DIARIO_CCOSTO.y"},
      // The marker asks for the real object and is removed.
      {"SELECT * FROM @Admin_MA_CUENTAS x", "SELECT * FROM MA_CUENTAS x"},
      {"SELECT * FROM @admin_MV_ASIENTOS x", "SELECT * FROM MV_ASIENTOS x"},
      {"SELECT * FROM @Admin_V_TA_CAJAS x JOIN MA_CUENTAS m ON 1=1",
       "SELECT * FROM V_TA_CAJAS x JOIN SS_MA_CUENTAS m ON 1=1"},
  };
  for (const Caso& c : casos) EXPECT_EQ(db.SS_TSinonimos(c.entrada), c.esperado) << c.entrada;
}

TEST_F(Sinonimos, AdministratorGetsTheTextBackWithoutMarkers) {
  db.gEsAdmin = true;
  EXPECT_EQ(db.SS_TSinonimos("SELECT * FROM MA_CUENTAS x"), "SELECT * FROM MA_CUENTAS x");
  EXPECT_EQ(db.SS_TSinonimos("SELECT * FROM @ADMIN_MA_CUENTAS x"), "SELECT * FROM MA_CUENTAS x");
}

TEST_F(Sinonimos, JournalEntriesWithoutConfidentialityAreNotRewrittenAtAll) {
  gConfidencialidad = false;
  EXPECT_EQ(db.SS_TSinonimos("SELECT * FROM MV_ASIENTOS a JOIN MA_CUENTAS c ON @Admin_x"),
            "SELECT * FROM MV_ASIENTOS a JOIN MA_CUENTAS c ON x");
  // Without MV_ASIENTOS the flag does not matter.
  EXPECT_EQ(db.SS_TSinonimos("SELECT * FROM MA_CUENTAS c"), "SELECT * FROM SS_MA_CUENTAS c");
}

}  // namespace
