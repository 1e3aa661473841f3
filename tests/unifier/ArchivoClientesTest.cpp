// The customer file ("PDV") line by line.
#include <gtest/gtest.h>

#include <algorithm>

#include "BaseErp.h"

namespace {

TEST_F(ConBaseErp, ClientesActivosConCodigosDeLaPlataforma) {
  const std::string razon = std::string(49, 'R') + " Sociedad Anonima";
  Cliente({.codigo = "1120100012345",
           .razon = razon,
           .calle = "Avenida Presidente Julio Argentino Roca y Diagonal Sur 1234",
           .numero = " 123 ",
           .departamento = " B ",
           .localidad = "San Miguel de Tucumán",
           .provincia = "24",
           .mail = "  ventas@almacen.com.ar ",
           .telefono = "0381-4223344",
           .documento = "20-12345678-9",
           .iva = "1"});
  // Codes the platform does not know give empty columns.
  Cliente({.codigo = "C2", .razon = "Kiosco", .provincia = "1", .documento = "12.345.678", .iva = "7"});
  Cliente({.codigo = "C3", .razon = "Sin datos", .provincia = std::nullopt, .documento = "", .iva = std::nullopt});
  Cliente({.codigo = "C4", .bloqueo = 1});  // blocked
  Cliente({.codigo = "C5", .baja = 1});     // deregistered

  const vorna::ResultadoArchivo r = Generar("PDV");
  EXPECT_TRUE(r.Exito()) << r.Motivo();
  auto lineas = Lineas("PDV");
  std::sort(lineas.begin(), lineas.end());
  // Column 19 is the database server's date (SQLite's clock is this computer's).
  const std::string fin = ";" + HoyArchivo() + ";16;0";
  EXPECT_EQ(lineas, (std::vector<std::string>{
                        "610013001;0100012345;" + std::string(49, 'R') +
                            " ;Avenida Presidente Julio Argentino Roca y Diagonal;123;B;San Miguel de Tucum\xE1n;"
                            "San Miguel de Tucum\xE1n;20;ventas@almacen.com.ar;0381-4223344;;;;20123456789;4;;" +
                            fin,
                        "610013001;C2;Kiosco;Belgrano;100;;Salta;Salta;;;;;;;12345678;;;" + fin,
                        "610013001;C3;Sin datos;Belgrano;100;;Salta;Salta;;;;;;;;;;" + fin,
                    }));
  for (const auto& l : lineas) EXPECT_EQ(std::count(l.begin(), l.end(), ';'), 20) << l;
}

}  // namespace
