// The start-up sequence writes the default lookup definitions into the
// program's folder when there are none, and leaves an existing file alone.
// It runs in this test's own process, whose binary has a folder of its own
// (the start-up takes the executable's folder as the program's folder).
#include <gtest/gtest.h>

#include "app/IniciarSesion.h"
#include "lookup/MascarasConsultas.h"
#include "sivlib/Entorno.h"
#include "support/BaseDePrueba.h"

namespace {

class ArranqueMascaras : public ConBaseSqlite {
 protected:
  void SetUp() override {
    ConBaseSqlite::SetUp();
    CerrarBases();
    std::remove(definiciones.c_str());
  }
  void TearDown() override {
    std::remove(definiciones.c_str());
    ConBaseSqlite::TearDown();
  }
  bool Iniciar() {
    std::string cadena;
    return IniciarSesion(false, "@server=sqlite; @dbname=" + base + "; @usuario=ana; @ParametroAdicional=1;", cadena,
                         3);
  }
  const std::string definiciones = CarpetaEjecutable() + "consultas.prx";
};

TEST_F(ArranqueMascaras, SinArchivoQuedanLasOnceDefinicionesYUnoExistenteNoSeToca) {
  ASSERT_TRUE(Iniciar());
  std::string esperado;
  for (const MascaraConsulta& m : mascaras::Predeterminadas()) esperado += mascaras::Registro(m);
  const std::string escrito = LeerArchivo(definiciones);
  EXPECT_EQ(escrito.size(), 11u * 1202u);
  EXPECT_EQ(escrito, esperado);

  const std::string propio = mascaras::Registro({"MIA", "T_MIA", "|A|B|", ""});
  EscribirArchivo(definiciones, propio);
  CerrarBases();
  ASSERT_TRUE(Iniciar());
  EXPECT_EQ(LeerArchivo(definiciones), propio);
}

}  // namespace
