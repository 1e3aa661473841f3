// The generation run: package number, date checks, chosen data sets, and
// the unattended preparation of the window's fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "BaseErp.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class GeneracionVorna : public ConBaseErp {
 protected:
  void SetUp() override {
    ConBaseErp::SetUp();
    Articulo("A1", "21101010029", "VEL-001", 3);
    Cliente({.codigo = "C1", .vendedor = "  12"});
    Vendedor("  12", "Juan");
    Movimiento({.fecha = Hace(2), .cuenta = "C1"});
  }
  // The local moment `dias` days ago, as the ERP stores it.
  static std::string Hace(int dias) { return FechaHora::Ahora().MasDias(-dias).Iso(); }
  void Tildar(const char* casilla, int valor = 1) { ventana.Ventana().FijarValor(ventana.Control(casilla), valor); }
  void Fechas(const std::string& desde, const std::string& hasta) {
    ventana.Ventana().FijarTexto(ventana.TxtFields(0), desde);
    ventana.Ventana().FijarTexto(ventana.TxtFields(1), hasta);
  }
  static std::vector<std::string> Paquete(const std::string& n, std::vector<std::string> codigos) {
    std::vector<std::string> r;
    for (const auto& c : codigos) r.push_back("610013001-" + c + "-" + n + ".csv");
    std::sort(r.begin(), r.end());
    return r;
  }
};

TEST_F(GeneracionVorna, TodosEscribeLosCuatroArchivosConElPaqueteSiguiente) {
  Configurar("NRO_PAQUETE", "15");
  Tildar("chkTodos");
  Fechas("01/01/2000", FechaHora::Ahora().MasDias(1).Regional());
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  EXPECT_TRUE(r.Exito()) << r.TextoFallos();
  EXPECT_EQ(ventana.NroPaquete, "16");
  EXPECT_EQ(Archivos(destino), Paquete("16", {"VTA", "STK", "PDV", "RTA"}));
  ASSERT_EQ(r.archivos.size(), 4u);
  EXPECT_EQ(r.archivos[0].codigo, "VTA");
  EXPECT_EQ(r.archivos[3].codigo, "RTA");
  for (const std::string codigo : {"VTA", "STK", "PDV", "RTA"}) {
    const auto lineas = Lineas(codigo);
    ASSERT_EQ(lineas.size(), 1u) << codigo;
    const bool ultima = lineas[0].ends_with(";16") || lineas[0].ends_with(";16;0");
    EXPECT_TRUE(ultima) << lineas[0];
  }
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "16");
  EXPECT_EQ(Consultar("SELECT GRUPO FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'"), (Filas{{"DATOS"}}));
}

TEST_F(GeneracionVorna, LaPrimeraVezElPaqueteEsUno) {
  Tildar("chkVentas");
  EXPECT_TRUE(ventana.ActualizarDatos().Exito());
  EXPECT_EQ(Archivos(destino), Paquete("1", {"VTA"}));
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "1");
}

TEST_F(GeneracionVorna, SoloLasCasillasTildadasEnSuOrden) {
  Configurar("NRO_PAQUETE", "15");
  Tildar("chkRuta");
  Tildar("chkStock");
  Tildar("chkVentas", 2);  // greyed: not ticked
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  ASSERT_EQ(r.archivos.size(), 2u);
  EXPECT_EQ(r.archivos[0].codigo, "STK");
  EXPECT_EQ(r.archivos[1].codigo, "RTA");
  EXPECT_EQ(Archivos(destino), Paquete("16", {"STK", "RTA"}));
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "16");
}

TEST_F(GeneracionVorna, SinCasillasNoHaceNada) {
  Configurar("NRO_PAQUETE", "15");
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  EXPECT_TRUE(r.archivos.empty());
  EXPECT_TRUE(Archivos(destino).empty());
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "15");
}

TEST_F(GeneracionVorna, UnaFechaInvalidaNoEscribeNadaNiAvanzaElPaquete) {
  Configurar("NRO_PAQUETE", "15");
  Tildar("chkTodos");
  for (const auto& [desde, hasta] : std::vector<std::pair<std::string, std::string>>{
           {"31/02/2024", "08/12/2024"}, {"01/12/2024", "no es fecha"}, {"01/12/2024' OR '1'='1", ""}}) {
    op->Limpiar();
    Fechas(desde, hasta);
    const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
    EXPECT_TRUE(r.fechaInvalida) << desde << " " << hasta;
    ASSERT_EQ(op->Mensajes().size(), 1u);
    EXPECT_EQ(op->Mensajes()[0].texto, "Debe ingresar una fecha valida!");
    EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador");
    EXPECT_EQ(op->Mensajes()[0].estilo, botones::OK + botones::Critico);
  }
  EXPECT_TRUE(Archivos(destino).empty());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "15");
}

TEST_F(GeneracionVorna, FechaDesdeVaciaSonLosCuatroDiasAnterioresAHoy) {
  Movimiento({.comprobante = "A0001-00000002", .fecha = Hace(6), .cuenta = "C1"});
  Tildar("chkVentas");
  Fechas("  ", FechaHora::Ahora().MasDias(1).Regional());
  EXPECT_TRUE(ventana.ActualizarDatos().Exito());
  const auto lineas = Lineas("VTA", "1");
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_TRUE(lineas[0].starts_with("610013001;FCA0001-00000001;")) << lineas[0];
}

TEST_F(GeneracionVorna, DesatendidoTomaUltimosCuatroDiasTodosYLaCarpetaDeEsteEquipo) {
  const std::string otra = carpeta / "otra/";
  std::filesystem::create_directories(otra);
  Configurar("UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo()), otra);
  Configurar("NRO_PAQUETE", "15");
  Movimiento({.comprobante = "A0001-00000002", .fecha = Hace(6), .cuenta = "C1"});
  Fechas("01/01/2000", "02/01/2000");
  gEjecucionDesatendida = true;
  const vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  EXPECT_TRUE(r.Exito()) << r.TextoFallos();
  EXPECT_EQ(ventana.Control("chkTodos").valor, 1);
  EXPECT_EQ(ventana.TxtFields(3).texto, otra);
  EXPECT_EQ(Archivos(otra), Paquete("16", {"VTA", "STK", "PDV", "RTA"}));
  EXPECT_TRUE(Archivos(destino).empty());
  // Only the sale of two days ago is in the last four days.
  const auto ventas = Lineas("VTA", "16", otra);
  ASSERT_EQ(ventas.size(), 1u);
  EXPECT_TRUE(ventas[0].starts_with("610013001;FCA0001-00000001;")) << ventas[0];
}

TEST_F(GeneracionVorna, DesatendidoSinCarpetaParaEsteEquipo) {
  // An empty value leaves the files in the temporary folder (the run used
  // package 1 and stores it). No key at all reads as one blank, no folder:
  // the run is refused before anything is written or numbered.
  using Estado = vorna::ResultadoArchivo::Estado;
  const std::string clave = "UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo());
  Configurar(clave, "");
  gEjecucionDesatendida = true;
  vorna::ResultadoGeneracion r = ventana.ActualizarDatos();
  EXPECT_EQ(ventana.TxtFields(3).texto, "");
  ASSERT_EQ(r.archivos.size(), 4u);
  for (const auto& a : r.archivos) EXPECT_EQ(a.estado, Estado::SinDestino) << a.codigo;
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_FALSE(r.Exito());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "1");

  Ejecutar("DELETE FROM TA_CONFIGURACION");
  r = ventana.ActualizarDatos();
  EXPECT_EQ(ventana.TxtFields(3).texto, " ");
  EXPECT_TRUE(r.archivos.empty());
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "No se indico la carpeta destino. No se generaron archivos.");
  EXPECT_FALSE(r.Exito());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), std::nullopt);
}

TEST_F(GeneracionVorna, LaCarpetaDestinoSeLeeAlEntregarCadaArchivo) {
  // The operator picks another folder while the rows are written: the file
  // goes where the folder box says once it is written.
  const std::string otra = carpeta / "otra/";
  std::filesystem::create_directories(otra);
  class CambiaCarpeta : public OperadorGuionado {
   public:
    CambiaCarpeta(frmInterfaceVorna& v, std::string carpeta) : v_(v), carpeta_(std::move(carpeta)) {}
    void ProcesarEventos() override {
      OperadorGuionado::ProcesarEventos();
      v_.Ventana().FijarTexto(v_.TxtFields(3), carpeta_);
    }

   private:
    frmInterfaceVorna& v_;
    std::string carpeta_;
  };
  FijarOperador(std::make_shared<CambiaCarpeta>(ventana, otra));
  Tildar("chkVentas");
  Fechas("01/01/2000", FechaHora::Ahora().MasDias(1).Regional());
  EXPECT_TRUE(ventana.ActualizarDatos().Exito());
  EXPECT_TRUE(Archivos(destino).empty());
  EXPECT_EQ(Archivos(otra), Paquete("1", {"VTA"}));
}

TEST_F(GeneracionVorna, UnGrabarDuranteLaGeneracionNoEmpiezaOtra) {
  // An operator who presses "GRABAR" again while the rows are written.
  class Impaciente : public OperadorGuionado {
   public:
    explicit Impaciente(frmInterfaceVorna& v) : v_(v) {}
    void ProcesarEventos() override {
      OperadorGuionado::ProcesarEventos();
      v_.Barrix1_ButtonClick("GRABAR");
    }

   private:
    frmInterfaceVorna& v_;
  };
  FijarOperador(std::make_shared<Impaciente>(ventana));
  Configurar("NRO_PAQUETE", "15");
  Tildar("chkVentas");
  Fechas("01/01/2000", FechaHora::Ahora().MasDias(1).Regional());
  ventana.Barrix1_ButtonClick("GRABAR");
  EXPECT_EQ(Archivos(destino), Paquete("16", {"VTA"}));
  EXPECT_EQ(Lineas("VTA").size(), 1u);
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "16");
}

}  // namespace
