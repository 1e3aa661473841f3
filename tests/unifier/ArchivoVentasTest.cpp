// The sales file ("VTA") line by line.
#include <gtest/gtest.h>

#include "BaseErp.h"
#include "sivlib/Regional.h"

namespace {

class ArchivoVentas : public ConBaseErp {
 protected:
  void SetUp() override {
    ConBaseErp::SetUp();
    Articulo("A1", "21101010029", " VEL-001 ", 10);
    Articulo("A2", "21101010030", "OTRO-1", 5);
    Vendedor("  12", "Łukasz Muñoz €");
    Vendedor("  13", "Representaciones Comerciales del Noroeste Argentino Ltda.");
    Cliente({.codigo = "1120100012345"});
    Cliente({.codigo = "C2"});
    Cliente({.codigo = "O'HIGGINS"});
  }
};

TEST_F(ArchivoVentas, UnaLineaPorVentaDeClienteConocidoConLasReglasDelArchivo) {
  // Under a decimal comma the amounts are still written with ".".
  regional::FijarSeparadores(',', '.');
  // Proforma sale: the voucher's date (not the line's) and its discount.
  Comprobante("FP", "X0001-00000012", "2024-12-04 09:00:00", "1120100012345", 10);
  Movimiento({.tc = "FP",
              .comprobante = "X0001-00000012",
              .fecha = "2024-12-05 10:00:00",
              .cuenta = "1120100012345",
              .vendedor = "  12",
              .cantidad = 3,
              .cantidadUD = -3,
              .importe = 100});
  // Proforma credit note without a voucher header, returning units: a
  // return ("DEV"), quantity and amount without sign, line discount.
  Movimiento({.tc = "NCFP",
              .comprobante = "X0001-00000007",
              .fecha = "2024-12-06 11:00:00",
              .cuenta = "C2",
              .vendedor = "  13",
              .cantidad = -2,
              .cantidadUD = 2,
              .importe = 50,
              .dtoItem = 10});
  // A sale to an account that is no customer: no line.
  Movimiento({.tc = "FC", .comprobante = "A0001-00000099", .fecha = "2024-12-06 12:00:00", .cuenta = "NOEXISTE"});
  // A customer code with an apostrophe, no seller; 2.345 rounds half to even.
  Movimiento({.tc = "FC",
              .comprobante = "X0001-00000001",
              .fecha = "2024-12-07 08:00:00",
              .cuenta = "O'HIGGINS",
              .importe = 2.345});
  // Not selected: cancelled, another supplier's article, a voucher type
  // that is not a sale, a date outside the range.
  Movimiento({.fecha = "2024-12-05 10:00:00", .cuenta = "C2", .anulado = 1});
  Movimiento({.fecha = "2024-12-05 10:00:00", .cuenta = "C2", .articulo = "A2"});
  Movimiento({.tc = "RM", .fecha = "2024-12-05 10:00:00", .cuenta = "C2"});
  Movimiento({.fecha = "2024-11-20 10:00:00", .cuenta = "C2"});

  std::vector<std::string> progreso;
  ventana.Ventana().AlCambiar([&](const ControlVentana& c) {
    if (c.nombre == "lblInfo") progreso.push_back(c.texto);
  });
  const vorna::ResultadoArchivo r = Generar("VTA", "01/12/2024", "08/12/2024 23:59:59", "16");

  EXPECT_TRUE(r.Exito()) << r.Motivo();
  EXPECT_EQ(r.lineas, 3);
  EXPECT_EQ(
      Lineas("VTA"),
      (std::vector<std::string>{
          "610013001;FCA0001-00000012;1;;0100012345;20241204;12;?ukasz Mu\xF1oz \x80;VEN;VEL-001;A1;3.00;270.00;;;;;;16",
          "610013001;NCA0001-00000007;2;;C2;20241206;13;Representaciones Comerciales del Noroeste Argentin;DEV;"
          "VEL-001;A1;2.00;90.00;;;;;;16",
          "610013001;FCX0001-00000001;4;;O'HIGGINS;20241207;;;VEN;VEL-001;A1;1.00;2.34;;;;;;16",
      }));
  // The row without a customer still shows its transaction.
  EXPECT_EQ(progreso, (std::vector<std::string>{
                          "Cargando datos VTA | Espere por favor..",
                          "Generando VENTAS | Cargando FPX0001-00000012",
                          "Generando VENTAS | Cargando NCFPX0001-00000007",
                          "Generando VENTAS | Cargando FCA0001-00000099",
                          "Generando VENTAS | Cargando FCX0001-00000001",
                          "Finalizado",
                      }));
  // Window events run after every row.
  EXPECT_EQ(op->Eventos(), 4);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ArchivoVentas, LosDosExtremosDelRangoEntranComoTextosRecibidos) {
  Movimiento({.fecha = "2024-12-01 00:00:00", .cuenta = "C2"});
  Movimiento({.comprobante = "A0001-00000002", .fecha = "2024-12-08 15:30:12", .cuenta = "C2"});
  Movimiento({.comprobante = "A0001-00000003", .fecha = "2024-12-08 15:30:13", .cuenta = "C2"});
  Generar("VTA", "01/12/2024", "08/12/2024 15:30:12");
  const auto lineas = Lineas("VTA");
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[0].substr(0, 27), "610013001;FCA0001-00000001;");
  EXPECT_EQ(lineas[1].substr(0, 27), "610013001;FCA0001-00000002;");
}

}  // namespace
