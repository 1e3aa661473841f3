#include <gtest/gtest.h>

#include "app/IniciarSesion.h"
#include "app/lanzamiento/LineaLanzamiento.h"
#include "db/motor/MotorGrabador.h"
#include "support/BaseDePrueba.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
#include "support/CarpetaPrueba.h"

namespace {

const std::string kTipica = "@server=SRV01; @dbname= VENTAS; @usuario= ana; @ParametroAdicional=1; ombu@";

TEST(ValorParametro, ExtraeCadaClaveConSusReglas) {
  struct Caso {
    std::string lanzamiento, clave, predeterminado, esperado;
  };
  const Caso casos[] = {
      {kTipica, "@Server", "", "SRV01"},
      {kTipica, "@DbName", "", "VENTAS"},
      {kTipica, "@Usuario", "", "ana"},
      {kTipica, "@Password", "", ""},
      {kTipica, "@ParametroAdicional", "", "1"},
      {kTipica, "@Caja", "1", "1"},
      {"@SERVER=SRV01;", "@Server", "", "SRV01"},
      {"@Usuario= a=b = c ;", "@Usuario", "", "ab  c"},
      {"@x=1; @ParametroAdicional=1", "@ParametroAdicional", "", "1"},
      {"@ParametroAdicional= 1 ;", "@ParametroAdicional", "", "1"},
      {"@Caja=3", "@Caja", "1", ""},
      {"@Caja=;", "@Caja", "1", ""},
      {"@UsuarioLogeado=pepe; @Usuario=ana;", "@Usuario", "", "Logeadopepe"},
      {"", "@Server", "", ""},
      {"basura sin items", "@Menu", "m", "m"},
      {"@ParametroAdicional=123456789012345678901234", "@ParametroAdicional", "", "123456789012345678"},
  };
  for (const auto& c : casos)
    EXPECT_EQ(ValorParametro(c.lanzamiento, c.clave, c.predeterminado), c.esperado)
        << c.lanzamiento << " / " << c.clave;
  const std::string enorme(1 << 20, 'x');
  EXPECT_EQ(ValorParametro(enorme + "@Server=S;", "@Server", ""), "S");
}

TEST(NormalizarServidor, QuitaRedYPuerto) {
  EXPECT_EQ(NormalizarServidor("SRV01"), "SRV01");
  EXPECT_EQ(NormalizarServidor("SRV01:1433"), "SRV01");
  EXPECT_EQ(NormalizarServidor("red/SRV01:1433"), "SRV01");
  EXPECT_EQ(NormalizarServidor("a/b/c:1:2"), "b/c");
  EXPECT_EQ(NormalizarServidor(""), "");
}

TEST(MarcaOracle, QuitaLaMarcaYArmaLaCadenaSoloSiEstaVacia) {
  std::string servidor = "#ORCL", cadena;
  EXPECT_TRUE(AplicarMarcaOracle(servidor, cadena, "XE", "ana", "pw"));
  EXPECT_EQ(servidor, "ORCL");
  EXPECT_EQ(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=ana;Password=pw;");
  std::string otra = "#S", dada = "dada";
  AplicarMarcaOracle(otra, dada, "XE", "u", "p");
  EXPECT_EQ(dada, "dada");
  std::string sql = "SRV", vacia;
  EXPECT_FALSE(AplicarMarcaOracle(sql, vacia, "XE", "u", "p"));
  EXPECT_EQ(vacia, "");
}

TEST(Estacion, SeRecortaA50ParaLasPreferencias) {
  const std::string larga(60, 'A');
  EXPECT_EQ(EstacionRecortada(larga), std::string(50, 'A'));
  EXPECT_EQ(EstacionRecortada("PC07|MARIA"), "PC07|MARIA");
}

TEST(LanzamientoDesdeArchivo, UsaElArchivoODefaults) {
  CarpetaPrueba dir;
  FijarCarpeta(dir.Ruta());
  const EnCarpeta trabajo(dir.Ruta());  // the file is looked up in the working folder too
  EXPECT_EQ(LanzamientoDesdeArchivo(),
            "@server=; @dbname= ; @usuario= Praxel; @Password= trivane; @ParametroAdicional=; @Caja=1;ombu@");
  EscribirArchivo(dir / "CN000pr.INI", "[" + EstacionCompleta() +
                                           "BaseDeDatos]\nServidor=SR|V1\nDbName=VENTAS\n"
                                           "Usuario=" +
                                           Cifrar("a|na") + "\nUserPassWord=" + Cifrar("x") + "\n");
  EXPECT_EQ(LanzamientoDesdeArchivo(),
            "@server=SRV1; @dbname= VENTAS; @usuario= ana; @Password= x; @ParametroAdicional=; @Caja=1;ombu@");
  FijarCarpeta("");
}

TEST(IniciarSesion, TomaLosValoresDelLanzamiento) {
  // The connection is opened on the recording engine: no server is asked.
  InstalacionGrabador grabacion;
  OperadorDePrueba op;
  CarpetaPrueba dir;
  const TempEnCarpeta temp(dir.Ruta());  // the error log of the start-up's failures stays there
  std::string cadena;
  IniciarSesion(false, kTipica, cadena, 3);
  CerrarBases();
  EXPECT_EQ(gParametroAdicional, "1");
  EXPECT_EQ(gCaja, "1");
  EXPECT_EQ(UltimoLanzamiento().servidor, "SRV01");
  EXPECT_EQ(UltimoLanzamiento().baseDatos, "VENTAS");
  EXPECT_EQ(UltimoLanzamiento().usuario, "ana");
  EXPECT_EQ(UltimoLanzamiento().clave, "");
  EXPECT_LE(gEstacion.size(), 50u);
  EXPECT_NE(gEstacion.find('|'), std::string::npos);
  IniciarSesion(false, "@Server=#ORCL; @DbName=XE; @Caja=3", cadena, 3);
  EXPECT_EQ(UltimoLanzamiento().servidor, "ORCL");
  EXPECT_EQ(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=;Password=;");
  EXPECT_EQ(gCaja, "");
  CerrarBases();
}

}  // namespace
