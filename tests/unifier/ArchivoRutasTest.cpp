// The route file ("RTA") line by line.
#include <gtest/gtest.h>

#include <algorithm>

#include "BaseErp.h"

namespace {

TEST_F(ConBaseErp, RutasConVendedorYFrecuenciaDeVisita) {
  Vendedor("  12", "Juan Muñoz");
  Vendedor("  13", "Pedro");
  Cliente({.codigo = "1120100012345", .vendedor = "  12"});
  Frecuencia("  12", "1120100012345", "1010100");
  Cliente({.codigo = "C2", .vendedor = std::nullopt});  // no seller
  Cliente({.codigo = "C3", .vendedor = "  13"});        // seller without a frequency
  Cliente({.codigo = "C4", .vendedor = "  99"});        // unknown seller
  Cliente({.codigo = "C5", .bloqueo = 1, .vendedor = "  12"});

  const vorna::ResultadoArchivo r = Generar("RTA");
  EXPECT_TRUE(r.Exito()) << r.Motivo();
  auto lineas = Lineas("RTA");
  std::sort(lineas.begin(), lineas.end());
  EXPECT_EQ(lineas, (std::vector<std::string>{
                        "610013001;0000000;0100012345;1010100;12;Juan Mu\xF1oz;1;1;16",
                        "610013001;0000000;C2;0000000;33;;1;1;16",
                        "610013001;0000000;C3;0000000;13;Pedro;1;1;16",
                        "610013001;0000000;C4;0000000;99;;1;1;16",
                    }));
}

}  // namespace
