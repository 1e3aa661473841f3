#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sivlib/ModeloVentana.h"

namespace {

TEST(ModeloVentana, LosControlesNoSeMuevenAunqueSeAgreguenCientos) {
  ModeloVentana v("Lib_FrmCons3");
  ControlVentana& primero = v.Agregar(ControlDeTipo("CmbSearch", "ComboBox"));
  std::vector<ControlVentana*> vistos{&primero};
  for (int i = 1; i < 500; ++i) {
    ControlVentana c = ControlDeTipo("CmbSearch", "ComboBox");
    c.indice = i;
    vistos.push_back(&v.Agregar(std::move(c)));
  }
  primero.indice = 0;
  const auto familia = v.Familia("CmbSearch");
  ASSERT_EQ(familia.size(), 500u);
  for (size_t i = 0; i < familia.size(); ++i) EXPECT_EQ(familia[i], vistos[i]) << i;
}

struct ConCaja : ::testing::Test {
  ModeloVentana v{"Frm"};
  ControlVentana& caja = v.Agregar(CajaTexto("TxtFields", 0, "Codigo"));
};

TEST_F(ConCaja, UnOyenteQuitadoNoVuelveASerLlamado) {
  int a = 0, b = 0;
  const size_t idA = v.AlCambiar([&](const ControlVentana&) { ++a; });
  v.AlCambiar([&](const ControlVentana&) { ++b; });
  v.FijarTexto(caja, "1");
  v.QuitarOyente(idA);
  v.QuitarOyente(idA);    // twice: nothing more happens
  v.QuitarOyente(12345);  // unknown
  v.FijarTexto(caja, "2");
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
}

TEST_F(ConCaja, UnOyentePuedeQuitarseAsiMismoYAOtroMientrasSeAvisa) {
  std::vector<std::string> llamados;
  size_t idPrimero = 0, idSegundo = 0;
  idPrimero = v.AlCambiar([&](const ControlVentana& c) {
    llamados.push_back("primero:" + c.texto);
    v.QuitarOyente(idPrimero);
    v.QuitarOyente(idSegundo);
  });
  idSegundo = v.AlCambiar([&](const ControlVentana& c) { llamados.push_back("segundo:" + c.texto); });
  v.AlCambiar([&](const ControlVentana& c) { llamados.push_back("tercero:" + c.texto); });
  v.FijarTexto(caja, "x");
  v.FijarTexto(caja, "y");
  EXPECT_EQ(llamados, (std::vector<std::string>{"primero:x", "tercero:x", "tercero:y"}));
}

TEST_F(ConCaja, UnOyenteAgregadoMientrasSeAvisaEscuchaDesdeElCambioSiguiente) {
  int nuevos = 0;
  bool agregado = false;
  v.AlCambiar([&](const ControlVentana&) {
    if (agregado) return;
    agregado = true;
    // Enough listeners to make a growing container move its elements.
    for (int i = 0; i < 100; ++i) v.AlCambiar([&](const ControlVentana&) { ++nuevos; });
  });
  v.FijarTexto(caja, "1");
  EXPECT_EQ(nuevos, 0);
  v.FijarTexto(caja, "2");
  EXPECT_EQ(nuevos, 100);
}

}  // namespace
