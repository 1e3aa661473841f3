// The start-up of the real program writes the default lookup definitions
// beside itself when there are none, and leaves an existing file alone.
// The program runs from a copy under the build folder, under a name of its
// own, so that the single-instance rule does not count it.
#include <gtest/gtest.h>

#include "lookup/MascarasConsultas.h"
#include "services/esquema/TablasPropias.h"
#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"

namespace {

class ArranqueMascaras : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  }
  // Runs the unattended program on the database; its exit status (-1: it did not end).
  int Ejecutar() {
    ProcesoPrueba proceso;
    const std::string lanzamiento = "@server=sqlite; @dbname=" + base + "; @usuario=ana; @ParametroAdicional=1;";
    if (!proceso.Lanzar({programa, lanzamiento}, {"PATH=/usr/bin:/bin", "TEMP=" + datos.Ruta()},
                        datos / "stderr.txt"))
      return -1;
    return proceso.Esperar(120);
  }

  CarpetaPrueba datos;
  CarpetaProgramas app;
  std::string base = datos / "erp.sqlite";
  std::string programa = CopiarPrograma(app.Ruta(), "ut_vorna_mascaras");
};

TEST_F(ArranqueMascaras, SinArchivoQuedanLasOnceDefinicionesYUnoExistenteNoSeToca) {
  const int estado = Ejecutar();
  EXPECT_NE(estado, -1) << LeerArchivo(datos / "stderr.txt");
  std::string esperado;
  for (const MascaraConsulta& m : mascaras::Predeterminadas()) esperado += mascaras::Registro(m);
  const std::string escrito = LeerArchivo(app / "consultas.prx");
  EXPECT_EQ(escrito.size(), 11u * 1202u) << "status " << estado << ": " << LeerArchivo(datos / "stderr.txt")
                                         << LeerArchivo(app / "PXERR.LOG");
  EXPECT_EQ(escrito, esperado);

  const std::string propio = mascaras::Registro({"MIA", "T_MIA", "|A|B|", ""});
  EscribirArchivo(app / "consultas.prx", propio);
  EXPECT_NE(Ejecutar(), -1) << LeerArchivo(datos / "stderr.txt");
  EXPECT_EQ(LeerArchivo(app / "consultas.prx"), propio);
}

}  // namespace
