// What the real program says, started as a process, when it cannot do what
// it was asked: no display, a display that cannot be reached, a failure
// message whose text breaks lines with CR, no user or server in the launch
// string of a run that cannot ask for them, no destination folder stored
// for this machine. Messages are one line each on standard error and in
// the error log, and every ending has its documented status.
//
// The program runs from a copy under another name, under the build folder:
// its error log (beside the executable) stays there, and the
// single-instance rule does not count it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "app/Ayuda.h"
#include "services/esquema/TablasPropias.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"

namespace {

constexpr int kSinVentana = 6, kSinConexion = 4, kFalloGeneracion = 5;

// A display number nobody serves on this machine.
std::string PantallaInexistente() {
  for (int n = 7354;; ++n) {
    struct stat st {};
    if (stat(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), &st) != 0) return ":" + std::to_string(n);
  }
}

// A CR that is not followed by LF: on a terminal it writes over the line.
bool TieneCrSuelto(const std::string& s) {
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')) return true;
  return false;
}

class MensajesDelProceso : public ::testing::Test {
 protected:
  // Starts the copy with `argumentos`, in a bare environment plus `entorno`,
  // and waits for its end (a generous bound, only against a hang).
  int Correr(const std::vector<std::string>& argumentos, std::vector<std::string> entorno = {}) {
    entorno.push_back("PATH=/usr/bin:/bin");
    entorno.push_back("TEMP=" + dir.Ruta());
    std::vector<std::string> todo = {programa};
    todo.insert(todo.end(), argumentos.begin(), argumentos.end());
    ProcesoPrueba proceso;
    if (!proceso.Lanzar(todo, entorno, dir / "stderr.txt")) return -2;
    return proceso.Esperar(120);
  }
  std::string Errores() const { return LeerArchivo(dir / "stderr.txt"); }
  std::string Registro() const { return LeerArchivo(programas / "PXERR.LOG"); }

  CarpetaPrueba dir;
  CarpetaProgramas programas;
  std::string programa = CopiarPrograma(programas.Ruta(), "ut_vorna_mensajes");
};

TEST_F(MensajesDelProceso, SinPantallaNiArgumentosTerminaConElEstadoDocumentado) {
  for (const std::vector<std::string>& argumentos :
       {std::vector<std::string>{}, std::vector<std::string>{"@Server=SRV01; @DbName=VENTAS; @Usuario=ana;"}}) {
    const int estado = Correr(argumentos);
    SALVO_OTRAS_COPIAS(estado);
    EXPECT_EQ(estado, kSinVentana) << Errores();
    EXPECT_NE(Errores().find("no hay pantalla disponible"), std::string::npos) << Errores();
    EXPECT_NE(Errores().find("@ParametroAdicional=1"), std::string::npos) << "what to do instead";
  }
}

TEST_F(MensajesDelProceso, UnaPantallaQueNoRespondeNoAbortaElPrograma) {
  const std::string pantalla = PantallaInexistente();
  const std::string xdg = dir / "xdg";
  mkdir(xdg.c_str(), 0700);
  for (const std::string& variable : {"DISPLAY=" + pantalla, std::string("WAYLAND_DISPLAY=ut_vorna-no-existe")}) {
    const int estado = Correr({"@Server=sqlite; @DbName=" + (dir / "no.sqlite") + "; @Usuario=ana;"},
                              {variable, "XDG_RUNTIME_DIR=" + xdg});
    SALVO_OTRAS_COPIAS(estado);
    EXPECT_EQ(estado, kSinVentana) << variable << ": status 134 is an abort\n" << Errores();
    EXPECT_NE(Errores().find("ut_vorna: no se pudo abrir la pantalla (" + variable + ")"), std::string::npos)
        << Errores();
  }
}

TEST_F(MensajesDelProceso, LosMensajesSonUnaLineaEnLaSalidaDeErroresYEnElRegistro) {
  // The connection error's text separates its parts with CR alone.
  const int estado = Correr({"@server=127.0.0.1,1; @dbname=x; @usuario=u; @ParametroAdicional=1;"});
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, kSinConexion) << Errores();
  EXPECT_NE(Errores().find("Estado de Sql"), std::string::npos) << Errores();
  EXPECT_FALSE(TieneCrSuelto(Errores())) << Errores();
  EXPECT_EQ(Errores().find('\r'), std::string::npos) << "standard error ends lines with LF";
  const std::string registro = Registro();
  EXPECT_NE(registro.find("Estado de Sql"), std::string::npos) << registro;
  EXPECT_FALSE(TieneCrSuelto(registro)) << registro;
}

TEST_F(MensajesDelProceso, SinCarpetaDestinoGuardadaSeNombraLaClaveQueFalta) {
  const std::string base = dir / "erp.sqlite";
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  const int estado = Correr({"@server=sqlite; @dbname=" + base + "; @usuario=ana; @ParametroAdicional=1;"});
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, kFalloGeneracion) << Errores();
  const std::string clave = "UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo());
  EXPECT_NE(Errores().find("la clave " + clave + " no existe"), std::string::npos) << Errores();
  EXPECT_NE(Registro().find(clave), std::string::npos) << Registro();
  EXPECT_EQ(ConsultarSqlite(base, "SELECT COUNT(*) FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'"), (Filas{{"0"}}))
      << "no package number is used up";
}

TEST_F(MensajesDelProceso, SinUsuarioNiServidorSeDiceCualFalta) {
  const struct {
    const char* lanzamiento;
    const char* falta;
  } casos[] = {
      {"@Server=sqlite; @DbName=/no/existe.sqlite; @Password=x; @ParametroAdicional=1;",
       "falta el usuario de la base de datos (@Usuario)"},
      {"@DbName=VENTAS; @Usuario=ana; @ParametroAdicional=1;", "falta el servidor (@Server)"},
  };
  for (const auto& c : casos) {
    const int estado = Correr({c.lanzamiento});
    SALVO_OTRAS_COPIAS(estado);
    EXPECT_EQ(estado, kSinConexion) << Errores();
    EXPECT_NE(Errores().find(std::string("No se pudo abrir la conexion con la base de datos: ") + c.falta),
              std::string::npos)
        << Errores();
  }
}

TEST(AyudaDelPrograma, ExplicaQueLasClavesSeBuscanComoTexto) {
  const std::string ayuda = TextoAyuda();
  EXPECT_EQ(ayuda.find("en cualquier orden"), std::string::npos);
  EXPECT_NE(ayuda.find("\"@Usuario\"\ntambien encuentra el comienzo de \"@UsuarioLogeado\""), std::string::npos)
      << ayuda;
  EXPECT_NE(ayuda.find("Ponga @Usuario antes que @UsuarioLogeado"), std::string::npos);
}

}  // namespace
