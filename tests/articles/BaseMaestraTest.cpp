// The master barcode service asked from the window, against a real HTTP
// server on the loopback address.
#include <gtest/gtest.h>

#include <chrono>

#include "BaseArticulos.h"
#include "ModeloPrueba.h"
#include "articles/BaseMaestra.h"
#include "sivlib/Regional.h"

namespace {

using namespace std::chrono_literals;

class BaseMaestra : public BaseArticulos {
 protected:
  // F7 with that barcode in the window.
  void Consultar(const std::string& codigo = "7790001") {
    v.Abrir(codigo);
    v.Texto("Descripcion", "ANTERIOR");
    EXPECT_TRUE(v.modelo.Form_KeyDown(118));
    EXPECT_FALSE(v.modelo.Consultando());
  }
  ModeloPrueba v;
};

TEST_F(BaseMaestra, EncontradoLlenaLaDescripcionYPasaAlPrecio) {
  servidor.Responder(200, R"([{"Codigo":"7790001","Descripcion":" AGUA 500 "}])");
  Consultar();
  EXPECT_EQ(v.Caja("Descripcion"), " AGUA 500 ");  // as received
  EXPECT_EQ(v.Proceso(), "Correcto.");
  EXPECT_EQ(v.foco, "TxtFields(2)");
  EXPECT_EQ(servidor.Pedidos(), (std::vector<std::string>{"/ws/inicio.php?opcion=GetCodigo&codigo=7790001"}));
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(BaseMaestra, ElCodigoViajaRecortadoYCodificado) {
  servidor.Responder(200, R"([{"Descripcion":"X"}])");
  Consultar("  779 A&B=C/ñ  ");
  EXPECT_EQ(servidor.Pedidos(),
            (std::vector<std::string>{"/ws/inicio.php?opcion=GetCodigo&codigo=779%20A%26B%3DC%2F%C3%B1"}));
}

TEST_F(BaseMaestra, ObtenerDescMaestraDevuelveErrorYMensajeDeCadaRespuesta) {
  const std::string noExiste = "Actualmente el codigo informado no existe en la base maestra";
  struct Caso {
    const char* nombre;
    int estado;
    std::string cuerpo;
    bool error;
    std::string resultado;
    std::string mensaje;  // also what LblProceso ends with on failure
  };
  const Caso casos[] = {
      {"objeto", 200, R"([{"Descripcion":"AGUA 500"}])", false, "AGUA 500", ""},
      {"sin corchetes", 200, R"({"Descripcion":"SODA"})", false, "SODA", ""},
      {"arreglo vacio", 200, "[]", true, "", noExiste},
      {"arreglo vacio con saltos", 200, "[ ]\r\n", true, "", noExiste},
      {"descripcion en blanco", 200, R"([{"Descripcion":"   "}])", true, "", noExiste},
      {"sin descripcion", 200, R"([{"descripcion":"minuscula"}])", true, "", noExiste},
      {"pagina html", 200, "<html><body>Mantenimiento</body></html>", true, "",
       "La respuesta de la Base Maestra no es valida."},
      {"texto suelto", 200, "ERROR", true, "", "La respuesta de la Base Maestra no es valida."},
      {"windows-1252", 200,
       "[{\"Descripcion\":\"CAF\xC9 DE \xD1"
       "ANDU\"}]",
       false, "CAFÉ DE ÑANDU", ""},
      {"estado 500", 500, "[{\"Descripcion\":\"X\"}]", true, "",
       "La Base Maestra respondio con el error HTTP 500 Internal Server Error."},
      {"estado 404", 404, "", true, "", "La Base Maestra respondio con el error HTTP 404 Not Found."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    servidor.Responder(c.estado, c.cuerpo);
    bool error = !c.error;
    std::string mensaje;
    EXPECT_EQ(v.modelo.ObtenerDescMaestra("7790001", error, mensaje), c.resultado);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(mensaje, c.mensaje);
    EXPECT_EQ(v.Proceso(), c.error ? c.mensaje : "Encontrado...");
  }
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(BaseMaestra, NoEncontradoVaciaLaDescripcionYLaEnfoca) {
  servidor.Responder(200, "[]");
  Consultar();
  EXPECT_EQ(v.Caja("Descripcion"), "");
  EXPECT_EQ(v.foco, "TxtFields(1)");
  EXPECT_EQ(v.Proceso(), "Actualmente el codigo informado no existe en la base maestra");
}

TEST_F(BaseMaestra, UnaRespuestaLentaTerminaAlVencerLaEspera) {
  servidor.Retener();
  regional::FijarSeparadores(',', '.');  // the operators' separators
  const auto inicio = std::chrono::steady_clock::now();
  Consultar();
  // Generous: only proves that the wait has an end of its own.
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, 30s);
  EXPECT_EQ(v.Proceso(), "La Base Maestra no respondio en 0,5 segundos.");
  EXPECT_EQ(v.Caja("Descripcion"), "");
  EXPECT_EQ(v.foco, "TxtFields(1)");
  EXPECT_EQ(servidor.Pedidos().size(), 1u);
}

TEST_F(BaseMaestra, ServidorCaidoOConexionCortada) {
  servidor.Cortar();
  Consultar();
  EXPECT_EQ(v.Proceso().rfind("No se pudo consultar la Base Maestra: ", 0), 0u) << v.Proceso();
  EXPECT_EQ(v.Caja("Descripcion"), "");

  servidor.Detener();
  Consultar();
  EXPECT_EQ(v.Proceso().rfind("No se pudo consultar la Base Maestra: ", 0), 0u) << v.Proceso();
  EXPECT_NE(v.Proceso().find("refused"), std::string::npos) << v.Proceso();
  EXPECT_EQ(v.Caja("Descripcion"), "");
  EXPECT_EQ(v.foco, "TxtFields(1)");
}

TEST_F(BaseMaestra, SinDireccionConfiguradaNoSePreguntaNada) {
  for (const char* direccion : {"", "   "}) {
    if (*direccion) Configurar(base_maestra::kClaveDireccion, direccion);
    else Ejecutar("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'BASEMAESTRADIRECCION'");
    Consultar();
    EXPECT_EQ(v.Proceso(), "Falta la direccion de la Base Maestra en la configuracion (clave BaseMaestraDireccion).");
    EXPECT_EQ(v.Caja("Descripcion"), "");
  }
  EXPECT_TRUE(servidor.Pedidos().empty());
}

TEST(DireccionBaseMaestra, LaBaseSinBarraFinalYSinEsquemaEsHttp) {
  using base_maestra::DireccionConsulta;
  EXPECT_EQ(DireccionConsulta("http://maestro:8080/", " 1 "),
            "http://maestro:8080/ws/inicio.php?opcion=GetCodigo&codigo=1");
  EXPECT_EQ(DireccionConsulta(" maestro.example.com ", "a b"),
            "http://maestro.example.com/ws/inicio.php?opcion=GetCodigo&codigo=a%20b");
  EXPECT_EQ(DireccionConsulta("https://m.example.com/base", "7-._~"),
            "https://m.example.com/base/ws/inicio.php?opcion=GetCodigo&codigo=7-._~");
}

class EsperaBaseMaestra : public BaseArticulos {};

TEST_F(EsperaBaseMaestra, LaEsperaSeLeeDeLaConfiguracion) {
  struct Caso {
    const char* valor;
    long long ms;
  };
  regional::FijarSeparadores(',', '.');
  for (const Caso& c : {Caso{"2", 2000}, Caso{"1.5", 1500}, Caso{"1,5", 1500}, Caso{"", 5000}, Caso{"no", 5000},
                        Caso{"-3", 5000}, Caso{"0", 5000}, Caso{"600", 60000}}) {
    SCOPED_TRACE(c.valor);
    Configurar(base_maestra::kClaveEspera, c.valor);
    EXPECT_EQ(base_maestra::Espera().count(), c.ms);
  }
}

}  // namespace
