#include "unifier/ArchivoLineas.h"

#include <gtest/gtest.h>

#include "support/CarpetaPrueba.h"
#include "unifier/ErrorArchivo.h"

namespace {

using vorna::ArchivoLineas;

TEST(ArchivoLineas, CamposUnidosPorPuntoYComaSinComillasYLineasConCrLf) {
  CarpetaPrueba carpeta;
  ArchivoLineas archivo;
  ASSERT_FALSE(archivo.Crear(carpeta / "a.TMP").HayError());
  // Nothing is quoted or escaped: a quote inside a field is written as it
  // is; a ";", a line break or a tab inside a field would add a column or a
  // line, so they become "," and blanks.
  EXPECT_FALSE(archivo.EscribirLinea({"610013001", "FCA0001", "", "Kiosco \"Ana\"", "1;2"}).HayError());
  EXPECT_FALSE(archivo.EscribirLinea({"610013001", "Almacen\r\nDon Jose;\tSRL", "1"}).HayError());
  EXPECT_FALSE(archivo.EscribirTextoLinea("uno;dos").HayError());
  EXPECT_EQ(archivo.Lineas(), 3);
  ASSERT_FALSE(archivo.Cerrar().HayError());
  EXPECT_EQ(LeerArchivo(carpeta / "a.TMP"),
            "610013001;FCA0001;;Kiosco \"Ana\";1,2\r\n610013001;Almacen  Don Jose, SRL;1\r\nuno;dos\r\n");
}

TEST(ArchivoLineas, TextoEnWindows1252ConInterrogacionFueraDelCodigo) {
  CarpetaPrueba carpeta;
  ArchivoLineas archivo;
  ASSERT_FALSE(archivo.Crear(carpeta / "b.TMP").HayError());
  ASSERT_FALSE(archivo.EscribirLinea({"Almacén Ñandú", "€ 5", "Ōsaka", "Αθήνα"}).HayError());
  ASSERT_FALSE(archivo.Cerrar().HayError());
  EXPECT_EQ(LeerArchivo(carpeta / "b.TMP"),
            "Almac\xE9n \xD1"
            "and\xFA;\x80 5;?saka;?????\r\n");
}

TEST(ArchivoLineas, SinLineasQuedaVacioYCrearVaciaUnArchivoAnterior) {
  CarpetaPrueba carpeta;
  EscribirArchivo(carpeta / "c.TMP", "contenido viejo\r\n");
  ArchivoLineas archivo;
  ASSERT_FALSE(archivo.Crear(carpeta / "c.TMP").HayError());
  ASSERT_FALSE(archivo.Cerrar().HayError());
  EXPECT_TRUE(Existe(carpeta / "c.TMP"));
  EXPECT_EQ(LeerArchivo(carpeta / "c.TMP"), "");
  EXPECT_FALSE(archivo.Cerrar().HayError());  // closing twice is harmless
}

TEST(ArchivoLineas, FallasDevuelvenElErrorDeArchivoConLaRuta) {
  CarpetaPrueba carpeta;
  ArchivoLineas archivo;
  const std::string sinCarpeta = carpeta / "no/existe/d.TMP";
  const ErrorSistema alCrear = archivo.Crear(sinCarpeta);
  EXPECT_EQ(alCrear.numero, errores::RutaNoEncontrada);
  EXPECT_NE(alCrear.descripcion.find(sinCarpeta), std::string::npos);
  EXPECT_FALSE(archivo.Abierto());
  EXPECT_TRUE(archivo.EscribirLinea({"x"}).HayError());
}

TEST(ArchivoLineas, DiscoLlenoSeInformaAlEscribirOAlCerrar) {
  ArchivoLineas archivo;
  ASSERT_FALSE(archivo.Crear("/dev/full").HayError());
  ErrorSistema error;
  // The lines are buffered: the failure shows when the buffer is written.
  for (int i = 0; i < 10000 && !error.HayError(); ++i) error = archivo.EscribirLinea({"610013001", std::to_string(i)});
  if (!error.HayError()) error = archivo.Cerrar();
  EXPECT_EQ(error.numero, vorna::errores_archivo::DiscoLleno);
}

}  // namespace
