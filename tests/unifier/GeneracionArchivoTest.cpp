// The file machinery shared by the data sets: temporary file, delivery,
// and the export's error dialog with its answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "BaseErp.h"
#include "sivlib/Operador.h"

namespace {

using Estado = vorna::ResultadoArchivo::Estado;

// Answers every message box with `codigo` after running `antes`.
class OperadorQueActua : public OperadorGuionado {
 public:
  OperadorQueActua(int codigo, std::function<void()> antes) : codigo_(codigo), antes_(std::move(antes)) {}
  int Mensaje(const std::string& texto, int estilo, const std::string& titulo) override {
    OperadorGuionado::Mensaje(texto, estilo, titulo);
    if (antes_) antes_();
    return codigo_;
  }

 private:
  int codigo_;
  std::function<void()> antes_;
};

class GeneracionArchivo : public ConBaseErp {
 protected:
  void SetUp() override {
    ConBaseErp::SetUp();
    Articulo("A1", "21101010029", "VEL-001", 3);
  }
  void UsarCarpeta(const std::string& carpeta) { ventana.Ventana().FijarTexto(ventana.TxtFields(3), carpeta); }
  // The temporary files left in TEMP (the test's folder).
  std::vector<std::string> Temporales() {
    std::vector<std::string> r;
    for (const auto& n : Archivos(carpeta.Ruta()))
      if (std::regex_match(n, std::regex("[0-9]{14}-[A-Z]{3}\\.TMP"))) r.push_back(n);
    return r;
  }
  // Every file the delivery may have left in the destination folder.
  std::vector<std::string> Restos(const std::string& carpetaDestino) { return Archivos(carpetaDestino); }
};

TEST_F(GeneracionArchivo, SinFilasSeEntregaUnArchivoVacio) {
  const vorna::ResultadoArchivo r = Generar("VTA");
  EXPECT_EQ(r.estado, Estado::Entregado);
  EXPECT_TRUE(r.Exito());
  EXPECT_EQ(r.destino, destino + "610013001-VTA-16.csv");
  EXPECT_EQ(LeerArchivo(r.destino), "");
  // The temporary file, named after the moment, stays in TEMP.
  ASSERT_EQ(Temporales().size(), 1u);
  EXPECT_EQ(r.temporal, carpeta / Temporales()[0]);
}

TEST_F(GeneracionArchivo, SinCarpetaElArchivoQuedaSoloEnLaCarpetaTemporal) {
  UsarCarpeta("");
  const vorna::ResultadoArchivo r = Generar("STK");
  EXPECT_EQ(r.estado, Estado::SinDestino);
  EXPECT_FALSE(r.Exito());
  EXPECT_EQ(LeerArchivo(r.temporal), "610013001;VEL-001;3.00;" + HoyArchivo() + ";16\r\n");
  EXPECT_TRUE(Restos(destino).empty());
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(GeneracionArchivo, UnaCarpetaDeBlancosNoEstaVaciaYLaEntregaFalla) {
  UsarCarpeta("   ");
  const vorna::ResultadoArchivo r = Generar("STK");
  EXPECT_EQ(r.estado, Estado::Fallido);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  const auto m = op->Mensajes()[0];
  EXPECT_NE(m.texto.find("ActualizarDatos"), std::string::npos) << m.texto;
  EXPECT_EQ(m.estilo, botones::AbortarReintentarIgnorar + botones::Critico);
  EXPECT_EQ(m.titulo, "Aviso al Operador");
}

TEST_F(GeneracionArchivo, UnArchivoAnteriorDelMismoNombreSeReemplaza) {
  EscribirArchivo(destino + "610013001-STK-16.csv", "viejo\r\n");
  EXPECT_TRUE(Generar("STK").Exito());
  EXPECT_EQ(Lineas("STK"), (std::vector<std::string>{"610013001;VEL-001;3.00;" + HoyArchivo() + ";16"}));
}

TEST_F(GeneracionArchivo, DestinoInaccesibleSegunLaRespuestaDelOperador) {
  const std::string ausente = carpeta / "no_existe/";
  struct Caso {
    int respuesta;
    bool crearCarpeta;  // the operator fixes the folder before answering
    Estado estado;
    int ignorados;
  };
  const Caso casos[] = {
      {respuesta::Abortar, false, Estado::Fallido, 0},
      {respuesta::Cancelar, false, Estado::Fallido, 0},
      {respuesta::Ignorar, false, Estado::Fallido, 1},
      {respuesta::Reintentar, true, Estado::Entregado, 0},
  };
  for (const auto& c : casos) {
    std::filesystem::remove_all(ausente);
    auto operador = std::make_shared<OperadorQueActua>(c.respuesta, [&] {
      if (c.crearCarpeta) std::filesystem::create_directories(ausente);
    });
    FijarOperador(operador);
    UsarCarpeta(ausente);
    const vorna::ResultadoArchivo r = Generar("STK");
    EXPECT_EQ(r.estado, c.estado) << c.respuesta;
    EXPECT_EQ(r.ignorados, c.ignorados) << c.respuesta;
    EXPECT_EQ(operador->Mensajes().size(), 1u) << c.respuesta;
    if (c.estado == Estado::Entregado) {
      EXPECT_EQ(Archivos(ausente), (std::vector<std::string>{"610013001-STK-16.csv"}));
    } else {
      EXPECT_FALSE(r.error.descripcion.empty());
      EXPECT_FALSE(Existe(ausente));
    }
  }
}

TEST_F(GeneracionArchivo, UnaConsultaQueFallaNoEntregaNada) {
  Ejecutar("DROP VIEW V_MV_Stock");
  const vorna::ResultadoArchivo r = Generar("VTA");
  EXPECT_EQ(r.estado, Estado::Fallido);
  EXPECT_TRUE(Restos(destino).empty());
  bool dialogoExportacion = false;
  for (const auto& m : op->Mensajes()) dialogoExportacion |= m.texto.find("ActualizarDatos") != std::string::npos;
  EXPECT_TRUE(dialogoExportacion);
}

TEST_F(GeneracionArchivo, UnClienteQueNoSePudoBuscarNoSeDaPorInexistente) {
  // Without the customers' view every lookup fails: the sales file must
  // not be delivered as if no sale had a customer.
  Cliente({.codigo = "C1"});
  Movimiento({.cuenta = "C1"});
  Ejecutar("DROP VIEW VT_CLIENTES");
  const vorna::ResultadoArchivo r = Generar("VTA");
  EXPECT_EQ(r.estado, Estado::Fallido);
  EXPECT_NE(r.error.descripcion.find("VT_CLIENTES"), std::string::npos) << r.error.descripcion;
  EXPECT_TRUE(Restos(destino).empty());
}

TEST_F(GeneracionArchivo, UnaLineaIgnoradaNoSeEscribeYElArchivoNoCuentaComoCompleto) {
  Cliente({.codigo = "C1"});
  Movimiento({.cuenta = "C1"});
  Movimiento({.comprobante = "A0001-00000002", .cuenta = "C2"});
  Ejecutar("DROP VIEW VT_CLIENTES");
  FijarOperador(std::make_shared<OperadorQueActua>(respuesta::Ignorar, nullptr));
  const vorna::ResultadoArchivo r = Generar("VTA");
  EXPECT_EQ(r.estado, Estado::Entregado);
  EXPECT_EQ(r.ignorados, 2);
  EXPECT_FALSE(r.Exito());
  EXPECT_EQ(LeerArchivo(r.destino), "");
}

}  // namespace
