#include <gtest/gtest.h>

#include "db/motor/MotorGrabador.h"

TEST(MotorGrabador, GrabaLlamadasEnOrdenYRespondeSegunFragmento) {
  auto grabacion = InstalarMotorGrabador();
  grabacion->Responder("from ta_usuarios", RespuestaGrabada::Filas({{"Administrador", tipo_ado::Integer, 0}},
                                                                   {{Variant(1)}, {Variant(0)}}));
  grabacion->Responder("DELETE", RespuestaGrabada::Falla(ado::ViolacionIntegridad, 547, "23000", "conflicto"), 1);
  grabacion->Responder("DELETE", RespuestaGrabada::Afectadas(3));

  auto m = CrearMotor("PROVIDER=SQLOLEDB;Server=srv;Database =ERP;");
  ASSERT_TRUE(m->Abrir("PROVIDER=SQLOLEDB;Server=srv;Database =ERP;", "", "").Ok());
  std::unique_ptr<Cursor> cur;
  long n = 0;
  ASSERT_TRUE(m->Ejecutar("SELECT * FROM TA_USUARIOS", &cur, &n).Ok());
  ASSERT_TRUE(cur);
  Resultado r;
  ASSERT_TRUE(cur->Siguiente(r));
  EXPECT_EQ(cur->Valor(0).Numero(), 1);
  ASSERT_TRUE(cur->Siguiente(r));
  EXPECT_FALSE(cur->Siguiente(r));

  EXPECT_TRUE(m->ComenzarTransaccion().Ok());
  Resultado fallo = m->Ejecutar("DELETE T", nullptr, &n);
  EXPECT_EQ(fallo.numero, ado::ViolacionIntegridad);
  ASSERT_EQ(fallo.errores.size(), 1u);
  EXPECT_EQ(fallo.errores[0].nativo, 547);
  EXPECT_TRUE(m->Ejecutar("DELETE T", nullptr, &n).Ok());
  EXPECT_EQ(n, 3);
  EXPECT_TRUE(m->DeshacerTransaccion().Ok());
  m->Ejecutar("UPDATE X SET A = 1", nullptr, &n);
  EXPECT_EQ(n, -1);

  EXPECT_EQ(grabacion->Llamadas(), (std::vector<std::string>{
                                       "Abrir PROVIDER=SQLOLEDB;Server=srv;Database =ERP;",
                                       "SELECT * FROM TA_USUARIOS",
                                       "BeginTrans",
                                       "DELETE T",
                                       "DELETE T",
                                       "RollbackTrans",
                                       "UPDATE X SET A = 1",
                                   }));
  EXPECT_EQ(grabacion->Sentencias().size(), 4u);
}

TEST(MotorGrabador, AlDesinstalarVuelveLaFabricaEstandar) {
  {
    auto grabacion = InstalarMotorGrabador();
    CrearMotor("PROVIDER=SQLOLEDB;Server=sqlite;Database =/nada/x.sqlite;")->Abrir("x", "", "");
    EXPECT_EQ(grabacion->Llamadas().size(), 1u);
  }
  auto m = CrearMotor("PROVIDER=SQLOLEDB;Server=sqlite;Database =/nada/que/no/existe.sqlite;");
  EXPECT_EQ(dynamic_cast<MotorGrabador*>(m.get()), nullptr);
}
