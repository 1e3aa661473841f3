#include <gtest/gtest.h>

#include "sivlib/Aplicacion.h"
#include "sivlib/ArchivoIni.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/OperadorDesatendido.h"
#include "sivlib/RegistroAlternativo.h"
#include "sivlib/RegistroErrores.h"
#include "support/CarpetaPrueba.h"

TEST(ArchivoIni, LeeSeccionesYClavesSinCasoConPredeterminados) {
  CarpetaPrueba dir;
  EscribirArchivo(dir / "CN000pr.INI",
                  "; comentario\r\n[PC07|MARIA]\r\nFlatToolbars = 0 \r\n[PC07|MARIABaseDeDatos]\r\n"
                  "Servidor=\"SRV01\"\r\nDbName=VENTAS\r\n");
  FijarCarpeta(dir.Ruta());
  EXPECT_EQ(LeerValorIni("CN000pr.INI", "pc07|maria", "flattoolbars", "1"), "0");
  EXPECT_EQ(LeerValorIni("CN000pr.INI", "PC07|MARIABaseDeDatos", "Servidor", ""), "SRV01");
  EXPECT_EQ(LeerValorIni("CN000pr.INI", "PC07|MARIABaseDeDatos", "Usuario", "def"), "def");
  EXPECT_EQ(LeerValorIni("CN000pr.INI", "OTRA", "DbName", "x"), "x");
  EXPECT_EQ(LeerValorIni("NOEXISTE.INI", "PC07|MARIA", "FlatToolbars", "1"), "1");
  EscribirArchivo(dir / "roto.ini", std::string("\0\xff[[[=\n=\n[", 10));
  EXPECT_EQ(LeerValorIni(dir / "roto.ini", "x", "y", "d"), "d");
  FijarCarpeta("");
}

TEST(CodigoAnsi, ConvierteAWindows1252ConInterrogacionFueraDeRango) {
  EXPECT_EQ(ansi::DesdeUtf8("Peña €"),
            "Pe\xF1"
            "a \x80");
  EXPECT_EQ(ansi::DesdeUtf8("日本x"), "??x");
  EXPECT_EQ(ansi::HaciaUtf8("Pe\xF1"
                            "a \x80"),
            "Peña €");
}

TEST(RegistroErrores, LineaConYSinRutina) {
  FechaHora m = *FechaHora::DesdeTexto("09/12/2026 07:05:03");
  EXPECT_EQ(registro::Linea(m, "AbrirRecordset", " Ha ocurrido el Siguiente Error (3709) x ", 4),
            "12-09-2026 07:05:03 Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error (3709) x "
            "Respondió : Reintentar");
  EXPECT_EQ(registro::Linea(m, "", "m", 1), "12-09-2026 07:05:03 Rutina:  Mensaje m Respondió : ");
  CarpetaPrueba dir;
  ASSERT_TRUE(registro::Anexar(dir / "PXERR.LOG", "a Respondió : Sí"));
  ASSERT_TRUE(registro::Anexar(dir / "PXERR.LOG", "b"));
  EXPECT_EQ(LeerArchivo(dir / "PXERR.LOG"), "a Respondi\xF3 : S\xED\r\nb\r\n");
  // A folder that cannot take it: the line goes to the user's state folder
  // (the test run's own, see CarpetaEstadoPrueba.h).
  EXPECT_TRUE(registro::Anexar(dir / "no/existe/PXERR.LOG", "x"));
  EXPECT_TRUE(LeerArchivo(registro::RutaAlternativa(dir / "no/existe/PXERR.LOG")).ends_with("x\r\n"));
}

TEST(OperadorDesatendido, ContestaSinEsperarYRegistra) {
  CarpetaPrueba dir;
  OperadorDesatendido op([&] { return dir / "PXERR.LOG"; });
  EXPECT_EQ(op.Mensaje("m", botones::OK, "t"), respuesta::Aceptar);
  EXPECT_EQ(op.Mensaje("m", botones::SiNo + botones::Critico, "t"), respuesta::No);
  EXPECT_EQ(op.Mensaje("m", botones::AbortarReintentarIgnorar, "t"), respuesta::Abortar);
  EXPECT_EQ(op.Entrada("clave", "t", "x"), "");
  const std::string log = LeerArchivo(dir / "PXERR.LOG");
  EXPECT_NE(log.find("Mensaje t: m Respondi\xF3 : No\r\n"), std::string::npos) << log;
}
