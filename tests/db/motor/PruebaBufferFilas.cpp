// The client-side buffer of a pending result: memory up to its bound, then
// a temporary file, rows handed out in the order they came whatever mix of
// adding and taking, every kind of value as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "db/motor/BufferFilas.h"
#include "support/CarpetaPrueba.h"

namespace {

size_t Archivos(const std::string& carpeta) {
  return size_t(std::distance(std::filesystem::directory_iterator(carpeta), std::filesystem::directory_iterator()));
}

TEST(BufferFilas, ElOrdenSeMantieneAlAgregarMientrasSeLee) {
  CarpetaPrueba carpeta;
  setenv("TEMP", carpeta.Ruta().c_str(), 1);
  auto fila = [](int i) { return std::vector<Variant>{Variant(i), Variant("fila ñ " + std::to_string(i))}; };
  BufferFilas b(300);  // about two rows in memory
  for (int i = 1; i <= 5; ++i) ASSERT_TRUE(b.Agregar(fila(i)).Ok());
  EXPECT_TRUE(b.UsaArchivo());
  EXPECT_EQ(Archivos(carpeta.Ruta()), 1u);
  std::vector<Variant> f;
  Resultado r;
  std::vector<double> leidas;
  for (int i = 0; i < 3 && b.Sacar(f, r); ++i) leidas.push_back(f[0].Numero());
  for (int i = 6; i <= 8; ++i) ASSERT_TRUE(b.Agregar(fila(i)).Ok());
  while (b.Sacar(f, r)) {
    leidas.push_back(f[0].Numero());
    EXPECT_EQ(f[1].Texto(), "fila ñ " + std::to_string(int(f[0].Numero())));
  }
  EXPECT_TRUE(r.Ok()) << r.descripcion;
  EXPECT_EQ(leidas, (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8}));
  // Read to its end, the file is gone and new rows start in memory.
  EXPECT_EQ(Archivos(carpeta.Ruta()), 0u);
  ASSERT_TRUE(b.Agregar(fila(9)).Ok());
  EXPECT_FALSE(b.UsaArchivo());
  unsetenv("TEMP");
}

TEST(BufferFilas, CadaClaseDeValorVuelveComoEra) {
  CarpetaPrueba carpeta;
  setenv("TEMP", carpeta.Ruta().c_str(), 1);
  const std::vector<Variant> valores = {Variant(),
                                        Variant::Nulo(),
                                        Variant(""),
                                        Variant("año"),
                                        Variant(-12.375),
                                        Variant(FechaHora{2026, 12, 5, 23, 59, 7}),
                                        Variant::Booleano(true),
                                        Variant(std::string(5000, 'x'))};
  BufferFilas b(0);  // all but the first row go to the file
  ASSERT_TRUE(b.Agregar({Variant(1)}).Ok());
  ASSERT_TRUE(b.Agregar(valores).Ok());
  std::vector<Variant> f;
  Resultado r;
  ASSERT_TRUE(b.Sacar(f, r));
  ASSERT_TRUE(b.Sacar(f, r)) << r.descripcion;
  ASSERT_EQ(f.size(), valores.size());
  for (size_t i = 0; i < valores.size(); ++i) {
    EXPECT_EQ(f[i].tipo(), valores[i].tipo()) << i;
    EXPECT_TRUE(f[i] == valores[i]) << i;
  }
  unsetenv("TEMP");
}

}  // namespace
