#include "app/PuntoEntrada.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/Ayuda.h"
#include "app/EstadoSalida.h"
#include "app/IniciarSesion.h"
#include "app/InstanciaActiva.h"
#include "app/lanzamiento/LineaLanzamiento.h"
#include "app/Modos.h"
#include "app/ProbarConexion.h"
#include "app/Pantalla.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/CarpetasPrograma.h"
#include "sivlib/Operador.h"
#include "sivlib/OperadorDesatendido.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {

std::string Cola(int argc, char** argv) {
  std::string cola;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) cola += ' ';
    cola += argv[i];
  }
  return cola;
}

// Messages of a run without an operator go to standard error and to the
// error log in the application folder.
void UsarOperadorDesatendido() {
  FijarOperador(std::make_shared<OperadorDesatendido>([] {
    const std::string carpeta = gCarpetaAplicacion.empty() ? CarpetaAplicacion() : gCarpetaAplicacion;
    return ConBarraFinal(carpeta) + "PXERR.LOG";
  }));
}

// An installed program whose user's folder cannot be made or written still
// runs: its files are delivered all the same, while the log lines go to
// their fallback and the lookup files are not kept. The operator, or the
// task's mail, is told once why.
void AvisarCarpetaInutil() {
  const CarpetasPrograma carpetas = CarpetasDelProceso();
  if (carpetas.error.empty()) return;
  operador().Mensaje(carpetas.error +
                         ". La configuracion (CN000pr.INI), las consultas y el registro de errores no se guardan "
                         "alli; defina UT_VORNA_CARPETA con una carpeta propia.",
                     botones::OK | botones::Exclamacion, "Aviso al operador");
}

constexpr const char* kOpcionProbarConexion = "--probar-conexion";

bool EsDesatendido(const std::string& parametro) { return texto::IgualesSinCaso(parametro, "1"); }

}  // namespace

int EjecutarPrograma(int argc, char** argv, FabricaModos crearModos) {
  const std::string cola = Cola(argc, argv);
  if (cola == "--version") {
    std::printf("ut_vorna %s\n", UT_VORNA_VERSION);
    return estado_salida::Exito;
  }
  if (cola == "--help" || cola == "-h") {
    std::fputs(TextoAyuda().c_str(), stdout);
    return estado_salida::Exito;
  }
  if (cola == kOpcionProbarConexion || cola.rfind(std::string(kOpcionProbarConexion) + " ", 0) == 0) {
    UsarOperadorDesatendido();
    return ProbarConexion(cola.substr(std::string(kOpcionProbarConexion).size()));
  }
  if (cola.rfind("--", 0) == 0) {
    std::fprintf(stderr, "ut_vorna: opcion desconocida: %s (ver ut_vorna --help)\n", cola.c_str());
    return estado_salida::ErrorUso;
  }
  FijarLineaComandos(cola);

  // The run mode is known from the command line before anything starts, so
  // that an unattended run never creates a window, not even the refusal box.
  const bool desatendidoPedido = EsDesatendido(ValorParametro(cola, clave_lanzamiento::ParametroAdicional, ""));
  const bool conVentanas = HayPantalla() && !desatendidoPedido;
  if (!conVentanas) UsarOperadorDesatendido();

  std::unique_ptr<Modos> modos = crearModos(conVentanas, argc, argv);

  std::string nombre = kArchivoPrograma;
  if (InstanciaActiva(nombre)) {
    modos->AvisoSegundaInstancia(
        "YA SE ESTÁ EJECUTANDO UNA INSTANCIA DE ESTE PROCESO, DEBE CERRAR LA ANTERIOR PARA PODER ABRIR UNA NUEVA",
        "ATENCION", 10);
    return estado_salida::SegundaInstancia;
  }

  // The interactive run needs its window: without a display it ends here,
  // before the start-up sequence would ask for a login nobody can give.
  if (!conVentanas && !desatendidoPedido) {
    std::fprintf(stderr, "ut_vorna: no hay pantalla disponible (ni DISPLAY ni WAYLAND_DISPLAY). %s\n",
                 TextoSinPantalla());
    return estado_salida::SinVentana;
  }

  AvisarCarpetaInutil();
  std::string cadena;
  const int inicio = modos->IniciarSesion(cadena);
  if (inicio != estado_salida::Exito) return inicio;

  if (EsDesatendido(gParametroAdicional)) {
    UsarOperadorDesatendido();
    gEjecucionDesatendida = true;
    return modos->EjecutarDesatendido();
  }
  return modos->EjecutarInteractivo();
}
