// The demo tool as an operator runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/ConsultaSqlite.h"
#include "support/CarpetaPrueba.h"
#include "unifier/ClavesVorna.h"
#include "demo/GeneradorDemo.h"

namespace {

// Runs the tool with the arguments (already quoted for the shell), under
// `entorno` (an env(1) prefix) when given, and returns its exit status; its
// output goes to `salida`.
int Ejecutar(const std::string& argumentos, const std::string& salida, const std::string& entorno = "") {
  const std::string comando =
      entorno + std::string(" '") + UT_VORNA_DEMO + "' " + argumentos + " >'" + salida + "' 2>&1";
  const int estado = std::system(comando.c_str());
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

TEST(HerramientaDemo, CreaLaBaseConLaCarpetaDestinoRecortadaYConBarra) {
  CarpetaPrueba carpeta;
  const std::string archivo = carpeta / "demo.sqlite";
  ASSERT_EQ(Ejecutar("'" + archivo +
                         "' --lineas 500 --clientes 40 --articulos 10 --vendedores 3 --dias 3"
                         " --paquete 7 --destino '  /srv/vorna  '",
                     carpeta / "salida.txt"),
            0)
      << LeerArchivo(carpeta / "salida.txt");
  EXPECT_NE(LeerArchivo(carpeta / "salida.txt").find("500"), std::string::npos);
  BaseSqlite base(archivo);
  EXPECT_EQ(base.Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = '" + vorna::ClaveCarpetaDestino() + "'"),
            "/srv/vorna/");
  EXPECT_EQ(base.Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'NRO_PAQUETE'"), "7");
  EXPECT_EQ(base.Numero("SELECT count(*) FROM MA_CLIENTES"), 40);
}

TEST(HerramientaDemo, SinDestinoGuardaLaCarpetaDeLaBase) {
  CarpetaPrueba carpeta;
  const std::string archivo = carpeta / "demo.sqlite";
  ASSERT_EQ(Ejecutar("'" + archivo + "' --lineas 50 --clientes 5 --articulos 5", carpeta / "salida.txt"), 0);
  EXPECT_EQ(BaseSqlite(archivo).Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE LIKE 'UNIFICADOR_VORNA_%'"),
            carpeta.Ruta());
}

TEST(HerramientaDemo, ArgumentosErroneosOArchivoExistente) {
  CarpetaPrueba carpeta;
  const std::string salida = carpeta / "salida.txt";
  EXPECT_EQ(Ejecutar("", salida), 2);
  EXPECT_NE(LeerArchivo(salida).find("Uso:"), std::string::npos);
  EXPECT_EQ(Ejecutar("'" + (carpeta / "a.sqlite") + "' --lineas diez", salida), 2);
  EXPECT_EQ(Ejecutar("'" + (carpeta / "a.sqlite") + "' --colores 3", salida), 2);
  EXPECT_EQ(Ejecutar("'" + (carpeta / "a.sqlite") + "' --lineas", salida), 2);
  EXPECT_FALSE(Existe(carpeta / "a.sqlite"));
  EscribirArchivo(carpeta / "b.sqlite", "otro");
  EXPECT_EQ(Ejecutar("'" + (carpeta / "b.sqlite") + "' --lineas 10", salida), 1);
  EXPECT_EQ(LeerArchivo(carpeta / "b.sqlite"), "otro");
}

// Without a display Qt would end the process with its own message; the
// lookup window says what it needs and ends with status 6.
TEST(HerramientaDemo, LaConsultaSinPantallaLoDice) {
  CarpetaPrueba carpeta;
  const std::string archivo = carpeta / "demo.sqlite";
  const std::string salida = carpeta / "salida.txt";
  ASSERT_EQ(Ejecutar("'" + archivo + "' --lineas 50 --clientes 5 --articulos 5", salida), 0) << LeerArchivo(salida);
  EXPECT_EQ(Ejecutar("consulta '" + archivo + "' </dev/null", salida,
                     "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb"),
            6);
  EXPECT_NE(LeerArchivo(salida).find("necesita una pantalla"), std::string::npos) << LeerArchivo(salida);
}

}  // namespace
