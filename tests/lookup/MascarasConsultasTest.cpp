// The definitions file "consultas.prx": its fixed records and the default
// definitions written when it is missing.
#include <gtest/gtest.h>

#include <filesystem>

#include "lookup/Lib_ClsCons3.h"
#include "lookup/MascarasConsultas.h"
#include "support/CarpetaPrueba.h"

namespace {

std::string Relleno(const std::string& texto, size_t ancho) { return texto + std::string(ancho - texto.size(), ' '); }

TEST(MascarasConsultas, UnRegistroSon1202BytesAnsiConSusCamposRellenos) {
  const std::string r = mascaras::Registro({"AÑOS", "V_TA_AÑOS", "|AÑO|", "AÑO > 2000"});
  ASSERT_EQ(r.size(), 1202u);
  EXPECT_EQ(r.substr(0, 100), Relleno("A\xD1OS", 100)) << "Windows-1252, one byte per letter";
  EXPECT_EQ(r.substr(100, 100), Relleno("V_TA_A\xD1OS", 100));
  EXPECT_EQ(r.substr(200, 500), Relleno("|A\xD1O|", 500));
  EXPECT_EQ(r.substr(700, 500), Relleno("A\xD1O > 2000", 500));
  EXPECT_EQ(r.substr(1200), "\r\n");
  const MascaraConsulta leida = mascaras::DesdeRegistro(r);
  EXPECT_EQ(mascaras::Limpio(leida.tabla), "V_TA_AÑOS");
  EXPECT_EQ(mascaras::Limpio(leida.condicion), "AÑO > 2000");
  // A text longer than its field is cut to it.
  EXPECT_EQ(mascaras::Registro({std::string(150, 'N'), "", "", ""}).substr(0, 101), std::string(100, 'N') + " ");
}

class CrearMascaras : public ::testing::Test {
 protected:
  CarpetaPrueba carpeta;
  Lib_ClsCons3 s;
  void SetUp() override { s.gRutaMascaraConsultas = carpeta / "consultas.prx"; }
};

TEST_F(CrearMascaras, SinArchivoQuedanLasOnceDefinicionesEnSuOrden) {
  ASSERT_TRUE(s.CrearMascarasConsultas());
  const std::string bytes = LeerArchivo(s.gRutaMascaraConsultas);
  ASSERT_EQ(bytes.size(), 11u * 1202u);
  const char* tablas[] = {"V_MA_ARTICULOS",  "VT_CLIENTES",        "VT_PROVEEDORES",      "MA_CONTACTOS",
                          "V_TA_VENDEDORES", "V_TA_TECNICOS",      "V_MA_MANTENIMIENTOS", "MA_CUENTAS",
                          "V_TA_Tareas",     "V_TA_UnidadNegocio", "V_TA_DEPOSITO"};
  const auto leidas = mascaras::Leer(s.gRutaMascaraConsultas);
  ASSERT_EQ(leidas.size(), 11u);
  for (size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(mascaras::Limpio(leidas[i].tabla), tablas[i]) << i;
    EXPECT_EQ(mascaras::Limpio(leidas[i].condicion), "") << i;
    EXPECT_EQ(bytes.substr(i * 1202 + 1200, 2), "\r\n") << i;
  }
  EXPECT_EQ(bytes.substr(0, 100), Relleno("ARTICULOS", 100));
  EXPECT_EQ(bytes.substr(1202 + 200, 500), Relleno("|RAZON_SOCIAL|CODIGO|CONTACTO|", 500));
  EXPECT_EQ(bytes.substr(9 * 1202, 100), Relleno("UnidadNegocio", 100));
}

TEST_F(CrearMascaras, UnArchivoExistenteRecibeLasDefinicionesTrasSuUltimoRegistroEntero) {
  // One whole record and the start of a second one, cut short.
  const std::string propio = mascaras::Registro({"MIA", "T_MIA", "|A|B|", "X = 1"});
  EscribirArchivo(s.gRutaMascaraConsultas, propio + "resto");
  ASSERT_TRUE(s.CrearMascarasConsultas());
  const std::string bytes = LeerArchivo(s.gRutaMascaraConsultas);
  ASSERT_EQ(bytes.size(), 12u * 1202u);
  EXPECT_EQ(bytes.substr(0, 1202), propio);
  EXPECT_EQ(mascaras::Limpio(mascaras::Leer(s.gRutaMascaraConsultas)[1].tabla), "V_MA_ARTICULOS");
}

TEST_F(CrearMascaras, UnArchivoQueNoSePuedeEscribirNoQuedaAMedias) {
  s.gRutaMascaraConsultas = carpeta / "no_existe/consultas.prx";
  EXPECT_FALSE(s.CrearMascarasConsultas());
  EXPECT_FALSE(Existe(s.gRutaMascaraConsultas));
  // A folder in the file's place.
  s.gRutaMascaraConsultas = carpeta / "carpeta.prx";
  std::filesystem::create_directory(s.gRutaMascaraConsultas);
  EXPECT_FALSE(s.CrearMascarasConsultas());
  EXPECT_TRUE(std::filesystem::is_directory(s.gRutaMascaraConsultas));
}

}  // namespace
