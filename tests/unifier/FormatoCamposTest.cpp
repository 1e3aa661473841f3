#include "unifier/FormatoCampos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <vector>

#include "sivlib/Regional.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/NombresArchivo.h"

namespace {

using namespace vorna;

struct Caso {
  std::string entrada;
  std::string esperado;
};

class FormatoCampos : public ::testing::Test {
 protected:
  void SetUp() override { regional::FijarSeparadores('.', ','); }
  void TearDown() override { regional::Restablecer(); }
};

TEST_F(FormatoCampos, FechaDelArchivoEsAnioMesDia) {
  EXPECT_EQ(FechaArchivo(FechaHora{2024, 12, 8, 15, 30, 12}), "20241208");
  EXPECT_EQ(FechaArchivo(Variant(FechaHora{2025, 1, 5})), "20250105");
  // Dates computed by the embedded database come back as ISO text.
  EXPECT_EQ(FechaArchivo(Variant("2024-03-07 00:00:00")), "20240307");
  EXPECT_EQ(FechaArchivo(Variant("07/03/2024")), "20240307");
  EXPECT_EQ(FechaArchivo(Variant::Nulo()), "");
  EXPECT_EQ(FechaArchivo(Variant()), "");
  EXPECT_EQ(FechaArchivo(Variant("")), "");
  EXPECT_EQ(FechaArchivo(Variant("no es fecha")), "");
}

TEST_F(FormatoCampos, MonedaConPuntoYDosDecimalesRedondeaAlPar) {
  const Caso casos[] = {
      {"1234.5", "1234.50"}, {"0", "0.00"},
      {"3", "3.00"},         {"2.345", "2.34"},
      {"2.355", "2.36"},     {"2.3451", "2.35"},
      {"2.34499", "2.34"},   {"0.005", "0.00"},
      {"0.015", "0.02"},     {"-3", "-3.00"},
      {"-0.004", "0.00"},    {"1234567.891", "1234567.89"},
      {"19.999", "20.00"},   {"1000000000", "1000000000.00"},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoMoneda(c.entrada), c.esperado) << c.entrada;
}

TEST_F(FormatoCampos, MonedaNoDependeDeLosDecimalesDeLaInstalacion) {
  // The files always carry two decimals, whatever the installation's
  // currency decimals and the locale say.
  gDecimalesMoneda = "4";
  regional::FijarDecimalesMoneda(0);
  EXPECT_EQ(TextoMoneda("12.5"), "12.50");
  gDecimalesMoneda.clear();
}

TEST_F(FormatoCampos, MonedaDeUnTextoLeeElSeparadorRegional) {
  regional::FijarSeparadores(',', '.');
  const Caso casos[] = {{"1234,5", "1234.50"}, {"1234.5", "1234.50"}, {"", "0.00"},
                        {"abc", "0.00"},       {"-7,125", "-7.12"},   {"12abc", "12.00"}};
  for (const auto& c : casos) EXPECT_EQ(TextoMoneda(std::string_view(c.entrada)), c.esperado) << c.entrada;
}

TEST_F(FormatoCampos, CantidadesEImportesDeVentaSinSigno) {
  const Caso casos[] = {{"-3", "3.00"}, {"2", "2.00"}, {"-1234.567", "1234.57"}, {"0", "0.00"}, {"", "0.00"}};
  for (const auto& c : casos) EXPECT_EQ(TextoMonedaSinSigno(c.entrada), c.esperado) << c.entrada;
}

TEST_F(FormatoCampos, NumeroEnFormaRegional) {
  EXPECT_EQ(TextoNumero("3"), "3");
  EXPECT_EQ(TextoNumero("123456"), "123456");
  EXPECT_EQ(TextoNumero(""), "0");
  regional::FijarSeparadores(',', '.');
  EXPECT_EQ(TextoNumero("2,5"), "2,5");
}

TEST_F(FormatoCampos, ElTextoParaNumeroSeLeeIgualQueElTextoDelValor) {
  // Amounts as the sales query computes them: products and discounts of
  // values with cents, of every magnitude, and the awkward ones.
  std::vector<double> valores = {0,
                                 -0.0,
                                 1,
                                 -3,
                                 100,
                                 1e15,
                                 1e16,
                                 123456789012.345,
                                 2.345,
                                 0.00005,
                                 1e-5,
                                 1e-12,
                                 270.00000000000006,
                                 1.0 / 3,
                                 -1234.56789,
                                 99999.99995,
                                 0.015};
  uint64_t semilla = 12345;
  for (int i = 0; i < 20000; ++i) {
    semilla = semilla * 6364136223846793005ULL + 1442695040888963407ULL;
    const double base = double(semilla >> 11) / double(1ULL << 53);
    const double escala = std::pow(10.0, int(semilla % 14) - 4);
    const double importe = std::round(base * escala * 100) / 100;
    valores.push_back(importe * (1 - (semilla % 7) * 0.0125) * ((semilla & 1) ? -1 : 1) * 3);
  }
  for (char decimal : {'.', ','}) {
    regional::FijarSeparadores(decimal, decimal == '.' ? ',' : '.');
    for (double v : valores) {
      EXPECT_EQ(ValorNumerico(TextoParaNumero(Variant(v))), ValorNumerico(SinNulo(Variant(v)))) << v;
      const std::string texto = TextoParaNumero(Variant(v));
      char printf15[48];
      std::snprintf(printf15, sizeof printf15, "%.15g", v);
      if (!std::strpbrk(printf15, "e")) {
        EXPECT_EQ(texto, printf15) << v;
      }
      EXPECT_EQ(TextoNumero(texto), TextoDeNumero(ValorNumerico(texto), decimal)) << v;
    }
  }
  EXPECT_EQ(TextoParaNumero(Variant("12,5")), "12,5");
  EXPECT_EQ(TextoParaNumero(Variant::Nulo()), "");
}

TEST_F(FormatoCampos, CortesCuentanCaracteresNoBytes) {
  EXPECT_EQ(UltimosCaracteres("Peñón", 3), "ñón");
  EXPECT_EQ(UltimosCaracteres("ab", 10), "ab");
  EXPECT_EQ(UltimosCaracteres("abc", 0), "");
}

TEST_F(FormatoCampos, CodigoGuardaLosUltimosDiezYRecorta) {
  const Caso casos[] = {
      {"11201000123", "1201000123"}, {"5011", "5011"}, {"", ""}, {"  123  ", "123"}, {"ABCDEFGHIJK  ", "DEFGHIJK"},
      {"0123456789", "0123456789"}};
  for (const auto& c : casos) EXPECT_EQ(CodigoVorna(c.entrada), c.esperado) << "'" << c.entrada << "'";
}

TEST_F(FormatoCampos, TextoAjustadoACincuentaYRecortado) {
  const std::string largo = "Distribuidora de Golosinas y Almacén Mayorista Hermanos Fernández S.R.L.";
  EXPECT_EQ(TextoAjustado(largo), "Distribuidora de Golosinas y Almacén Mayorista Her");
  // The cut leaves a blank at the end, which trimming removes.
  EXPECT_EQ(TextoAjustado(std::string(49, 'x') + " y más"), std::string(49, 'x'));
  EXPECT_EQ(TextoAjustado("  Güemes 123  "), "Güemes 123");
  EXPECT_EQ(TextoAjustado(""), "");
}

TEST_F(FormatoCampos, DocumentoSinSeparadores) {
  const Caso casos[] = {{"20-12345678-9", "20123456789"},
                        {"12.345.678", "12345678"},
                        {"27/23456789/4", "27234567894"},
                        {"20\\1234\\5", "2012345"},
                        {" 20123456789 ", "20123456789"},
                        {"", ""},
                        {"20 123", "20 123"}};
  for (const auto& c : casos) EXPECT_EQ(DocumentoSinSeparadores(c.entrada), c.esperado) << c.entrada;
}

TEST_F(FormatoCampos, TransaccionDeProformaSeInformaComoFiscal) {
  const Caso casos[] = {
      {"FPX0001", "FCA0001"},
      {"NCFPX0001", "NCA0001"},
      {"FCX0001", "FCX0001"},
      {"fpx0001-00000012", "FCA0001-00000012"},
      {"  FPX0003-00001234  ", "FCA0003-00001234"},
      {"NCFPX0001-00000007", "NCA0001-00000007"},
      {"TKFCB0002-00001234", "TKFCB0002-00001234"},
      {"NCA0001-00000007", "NCA0001-00000007"},
      {"FPXFP", "FCAFC"},
      {"", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(TransaccionVorna(c.entrada), c.esperado) << c.entrada;
}

TEST_F(FormatoCampos, VendedorDeRutaPorDefectoTreintaYTres) {
  EXPECT_EQ(VendedorRuta("  12"), "12");
  EXPECT_EQ(VendedorRuta(""), "33");
  EXPECT_EQ(VendedorRuta("   "), "33");
}

TEST_F(FormatoCampos, MarcaDeBaja) {
  EXPECT_EQ(MarcaBaja("1"), "1");
  EXPECT_EQ(MarcaBaja("0"), "0");
  EXPECT_EQ(MarcaBaja(""), "0");
  EXPECT_EQ(MarcaBaja("Falso"), "0");
}

TEST(NombresArchivo, NombreFinalYTemporal) {
  EXPECT_EQ(NombreArchivoDatos("VTA", "15"), "610013001-VTA-15.csv");
  EXPECT_EQ(NombreArchivoDatos("RTA", "1"), "610013001-RTA-1.csv");
  const FechaHora momento{2024, 12, 8, 15, 30, 45};
  // Each data set has its own temporary file, however fast they are written.
  EXPECT_EQ(RutaTemporalDatos("/tmp/datos", momento, "VTA"), "/tmp/datos/08122024153045-VTA.TMP");
  EXPECT_EQ(RutaTemporalDatos("/tmp/datos/", momento, "STK"), "/tmp/datos/08122024153045-STK.TMP");
  EXPECT_EQ(RutaTemporalDatos("/tmp", FechaHora{2025, 1, 2, 3, 4, 5}, "RTA"), "/tmp/02012025030405-RTA.TMP");
}

TEST(NombresArchivo, CarpetaTemporalEsLaDeTemp) {
  const char* anterior = std::getenv("TEMP");
  const std::string guardado = anterior ? anterior : "";
  setenv("TEMP", "/var/tmp/vorna", 1);
  EXPECT_EQ(CarpetaTemporalDatos(), "/var/tmp/vorna/");
  if (anterior) setenv("TEMP", guardado.c_str(), 1);
  else unsetenv("TEMP");
}

}  // namespace
