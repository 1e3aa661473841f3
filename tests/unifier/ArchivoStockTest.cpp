// The stock file ("STK") line by line.
#include <gtest/gtest.h>

#include <algorithm>

#include "BaseErp.h"

namespace {

TEST_F(ConBaseErp, StockDeLosArticulosDelProveedorSinStockNegativo) {
  Articulo("A1", "21101010029", " VEL-001 ", 12.5, "Yerba");
  Articulo("A3", "21101010029", "VEL-003", 0);
  Articulo("A4", "21101010029", "VEL-004", -2);            // negative: not selected
  Articulo("A2", "21101010030", "OTRO-1", 5);              // another supplier
  Articulo("A5", "21101010029", "VEL-005", std::nullopt);  // no stock row

  std::vector<std::string> progreso;
  ventana.Ventana().AlCambiar([&](const ControlVentana& c) {
    if (c.nombre == "lblInfo") progreso.push_back(c.texto);
  });
  const vorna::ResultadoArchivo r = Generar("STK");
  EXPECT_TRUE(r.Exito()) << r.Motivo();
  auto lineas = Lineas("STK");
  std::sort(lineas.begin(), lineas.end());
  // The computer's date of today.
  EXPECT_EQ(lineas, (std::vector<std::string>{"610013001;VEL-001;12.50;" + HoyArchivo() + ";16",
                                              "610013001;VEL-003;0.00;" + HoyArchivo() + ";16"}));
  EXPECT_NE(std::find(progreso.begin(), progreso.end(), "Generando STOCK | Cargando A1 Yerba"), progreso.end());
}

}  // namespace
