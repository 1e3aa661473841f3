// A generation run the users can trust: the package number is stored or
// the run fails saying so, a whole day is in the date range, a destination
// that is no folder is refused before anything happens, each data set keeps
// its own temporary file, and an ERP text never breaks a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "BaseErp.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class GeneracionConfiable : public ConBaseErp {
 protected:
  void SetUp() override {
    ConBaseErp::SetUp();
    Articulo("A1", "21101010029", "VEL-001", 3);
    Cliente({.codigo = "C1"});
    Configurar("NRO_PAQUETE", "15");
  }
  void Tildar(const char* casilla) { ventana.Ventana().FijarValor(ventana.Control(casilla), 1); }
  void Fechas(const std::string& desde, const std::string& hasta) {
    ventana.Ventana().FijarTexto(ventana.TxtFields(0), desde);
    ventana.Ventana().FijarTexto(ventana.TxtFields(1), hasta);
  }
  void Carpeta(const std::string& texto) { ventana.Ventana().FijarTexto(ventana.TxtFields(3), texto); }
  static size_t Columnas(const std::string& linea) { return std::count(linea.begin(), linea.end(), ';') + 1; }
};

TEST_F(GeneracionConfiable, UnPaqueteQueNoSePuedeGuardarEsUnaGeneracionFallida) {
  // The server refuses the update (no UPDATE permission on the table).
  Ejecutar(
      "CREATE TRIGGER SIN_PERMISO BEFORE UPDATE ON TA_CONFIGURACION "
      "BEGIN SELECT RAISE(ABORT, 'The UPDATE permission was denied'); END");
  Tildar("chkStock");
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  EXPECT_EQ(Archivos(destino), (std::vector<std::string>{"610013001-STK-16.csv"}));
  EXPECT_TRUE(r.paqueteNoGuardado.HayError());
  EXPECT_FALSE(r.Exito());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "15");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  const std::string aviso = op->Mensajes()[0].texto;
  EXPECT_NE(aviso.find("No se pudo guardar el numero de paquete 16 en NRO_PAQUETE"), std::string::npos) << aviso;
  EXPECT_NE(aviso.find("UPDATE permission was denied"), std::string::npos) << aviso;
  EXPECT_NE(r.TextoFallos().find("El numero de paquete 16 no quedo guardado en NRO_PAQUETE"), std::string::npos)
      << r.TextoFallos();
}

TEST_F(GeneracionConfiable, ElContadorConBlancosFinalesEnSuFilaAvanza) {
  // The row as a char column or another program leaves it.
  Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '15   ', GRUPO = 'DATOS     ', VALORAUX = ' '");
  Tildar("chkStock");
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  EXPECT_TRUE(r.Exito()) << r.TextoFallos();
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "16");
  Tildar("chkRuta");
  EXPECT_TRUE(ventana.ActualizarDatos().Exito());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "17");
}

TEST_F(GeneracionConfiable, UnPaqueteGuardadoQueNoEsEnteroSeRechaza) {
  Tildar("chkTodos");
  for (const char* guardado : {"16.7", "-17.7", "-3"}) {
    op->Limpiar();
    Configurar("NRO_PAQUETE", guardado);
    const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
    EXPECT_TRUE(r.archivos.empty()) << guardado;
    EXPECT_FALSE(r.Exito());
    ASSERT_EQ(op->Mensajes().size(), 1u) << guardado;
    EXPECT_NE(op->Mensajes()[0].texto.find("NRO_PAQUETE (\"" + std::string(guardado) + "\")"), std::string::npos)
        << op->Mensajes()[0].texto;
    EXPECT_EQ(Configuracion("NRO_PAQUETE"), guardado);
  }
  EXPECT_TRUE(Archivos(destino).empty());
}

TEST_F(GeneracionConfiable, ElUltimoDiaDelRangoEntraEntero) {
  // Vouchers of 09/12 dated at midnight, in both forms a database keeps them.
  Movimiento({.comprobante = "A0001-00000001", .fecha = "2026-12-09 00:00:00"});
  Movimiento({.comprobante = "A0001-00000002", .fecha = "2026-12-09"});
  Movimiento({.comprobante = "A0001-00000003", .fecha = "2026-12-10 00:00:00"});
  Tildar("chkVentas");
  Fechas("09/12/2026", "09/12/2026");
  EXPECT_TRUE(ventana.ActualizarDatos().Exito());
  auto lineas = Lineas("VTA");
  std::sort(lineas.begin(), lineas.end());
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_TRUE(lineas[0].starts_with("610013001;FCA0001-00000001;")) << lineas[0];
  EXPECT_TRUE(lineas[1].starts_with("610013001;FCA0001-00000002;")) << lineas[1];
}

TEST_F(GeneracionConfiable, UnDestinoQueNoEsUnaCarpetaSeRechazaAntesDeEscribirONumerar) {
  const std::string archivo = carpeta / "un_archivo";
  EscribirArchivo(archivo, "x");
  Tildar("chkTodos");
  for (const std::string& texto : {std::string("C:\\"), carpeta / "no_existe/", archivo, std::string("  ")}) {
    op->Limpiar();
    Carpeta(texto);
    const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
    EXPECT_TRUE(r.archivos.empty()) << texto;
    EXPECT_FALSE(r.Exito());
    ASSERT_EQ(op->Mensajes().size(), 1u) << texto;
    EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador");
    EXPECT_NE(op->Mensajes()[0].texto.find("No se generaron archivos."), std::string::npos);
    if (texto != "  ") {
      EXPECT_NE(op->Mensajes()[0].texto.find(texto::Recortado(texto)), std::string::npos) << texto;
    }
  }
  // Not a file named like the design text in the working folder, nor any
  // temporary file, nor a package number used up.
  EXPECT_FALSE(Existe(std::filesystem::current_path().string() + "/C:\\610013001-VTA-16.csv"));
  for (const std::string& n : Archivos(carpeta.Ruta())) EXPECT_FALSE(n.ends_with(".TMP")) << n;
  EXPECT_TRUE(Archivos(destino).empty());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "15");
}

TEST_F(GeneracionConfiable, LaVentanaMuestraLaCarpetaGuardadaParaEsteEquipo) {
  frmInterfaceVorna sinGuardada;
  sinGuardada.Form_Load();
  EXPECT_EQ(sinGuardada.TxtFields(3).texto, "C:\\");
  Configurar("UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo()), destino);
  frmInterfaceVorna conGuardada;
  conGuardada.Form_Load();
  EXPECT_EQ(conGuardada.TxtFields(3).texto, destino);
}

TEST_F(GeneracionConfiable, CadaConjuntoDeDatosQuedaEnSuPropioTemporal) {
  Movimiento({.fecha = FechaHora::Ahora().MasDias(-1).Iso()});
  Tildar("chkTodos");
  Fechas("01/01/2000", FechaHora::Ahora().MasDias(1).Regional());
  Carpeta("");  // no destination: the files stay in the temporary folder
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  ASSERT_EQ(r.archivos.size(), 4u);
  std::vector<std::string> temporales;
  for (const auto& a : r.archivos) {
    EXPECT_EQ(a.estado, vorna::ResultadoArchivo::Estado::SinDestino);
    EXPECT_NE(a.Motivo().find("quedo solo en " + a.temporal), std::string::npos) << a.Motivo();
    const std::string bytes = LeerArchivo(a.temporal);
    ASSERT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1) << a.codigo << ": " << bytes;
    temporales.push_back(a.temporal);
  }
  std::sort(temporales.begin(), temporales.end());
  EXPECT_EQ(std::unique(temporales.begin(), temporales.end()), temporales.end());
  EXPECT_EQ(Columnas(LeerArchivo(r.archivos[0].temporal)), 19u);  // VTA
  EXPECT_EQ(Columnas(LeerArchivo(r.archivos[1].temporal)), 5u);   // STK
  EXPECT_EQ(Columnas(LeerArchivo(r.archivos[2].temporal)), 21u);  // PDV
  EXPECT_EQ(Columnas(LeerArchivo(r.archivos[3].temporal)), 9u);   // RTA
}

TEST_F(GeneracionConfiable, LosTextosDelErpNoPartenLineasNiColumnas) {
  Cliente({.codigo = "C2", .razon = "Almacen;\r\nDon Jose\tSRL", .calle = "San Martin; 1200", .localidad = "Salta\n"});
  Vendedor("V1", "Perez;\r\nJuan");
  Movimiento({.comprobante = "A0001-00000009",
              .fecha = FechaHora::Ahora().MasDias(-1).Iso(),
              .cuenta = "C2",
              .vendedor = "V1"});
  Tildar("chkTodos");
  Fechas("01/01/2000", FechaHora::Ahora().MasDias(1).Regional());
  ASSERT_TRUE(ventana.ActualizarDatos().Exito());
  const struct {
    const char* codigo;
    size_t columnas;
  } archivos[] = {{"VTA", 19}, {"PDV", 21}, {"RTA", 9}};
  for (const auto& a : archivos)
    for (const std::string& l : Lineas(a.codigo)) EXPECT_EQ(Columnas(l), a.columnas) << a.codigo << ": " << l;
  const auto clientes = Lineas("PDV");
  ASSERT_EQ(clientes.size(), 2u);
  EXPECT_NE(clientes[1].find(";Almacen,  Don Jose SRL;San Martin, 1200;"), std::string::npos) << clientes[1];
  const auto ventas = Lineas("VTA");
  ASSERT_EQ(ventas.size(), 1u);
  EXPECT_NE(ventas[0].find(";V1;Perez,  Juan;"), std::string::npos) << ventas[0];
}

}  // namespace
