// The generation run of the main window: package number, date range,
// destination folder, the chosen data sets, and the package counter stored
// at the end.
#include <cmath>
#include <vector>

#include "services/Configuracion.h"
#include "sivlib/CamposVentana.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/CarpetaDestinoValida.h"
#include "unifier/ClavesVorna.h"
#include "unifier/ConstantesVorna.h"
#include "unifier/GeneracionArchivo.h"
#include "unifier/frmInterfaceVorna.h"

namespace {

constexpr int kTildado = 1;  // a greyed box (2) does not count

// The box of the main window's text boxes whose key is `clave`.
ControlVentana* CajaPorClave(ModeloVentana& ventana, const char* clave) {
  return ventana.Control("TxtFields", IndiceCampo(clave, ventana));
}

void Avisar(const std::string& mensaje) {
  operador().Mensaje(mensaje, botones::OK + botones::Critico, "Aviso al Operador");
}

// Why the stored counter cannot give the next package number (empty when
// it can). A missing, empty or non-numeric value starts again at 1, but a
// fraction or a negative number would name the files "-16.7".
std::string MotivoPaqueteInvalido(const std::string& guardado, double numero) {
  if (numero >= 0 && numero == std::floor(numero)) return "";
  return "El numero de paquete guardado en " + std::string(vorna::kClavePaquete) + " (\"" + texto::Recortado(guardado) +
         "\") no es un numero entero positivo; corrijalo en TA_CONFIGURACION.";
}

// Why the files cannot be delivered into `carpeta`; empty when they can.
std::string MotivoCarpetaInvalida(const std::string& carpeta) {
  std::string motivo;
  return vorna::CarpetaDestinoValida(carpeta, motivo) ? "" : motivo;
}

}  // namespace

bool frmInterfaceVorna::PrepararFecha(std::string& fecha, int dias) {
  if (texto::Recortado(fecha).empty()) {
    FechaHora hoy = FechaHora::Ahora();
    hoy.hora = hoy.minuto = hoy.segundo = 0;
    fecha = hoy.MasDias(dias).SoloFecha();
    return true;
  }
  if (FechaHora::DesdeTexto(fecha)) return true;
  Avisar("Debe ingresar una fecha valida!");
  return false;
}

vorna::ResultadoGeneracion frmInterfaceVorna::ActualizarDatos() {
  vorna::ResultadoGeneracion r;
  if (gEjecucionDesatendida) {
    FijarFechasDelServidor();
    ventana_.FijarValor(Control("chkTodos"), kTildado);
    ventana_.FijarTexto(TxtFields(3), Cfg(vorna::ClaveCarpetaDestino()));
  }
  const std::string guardado = Cfg(std::string(vorna::kClavePaquete));
  const double ultimo = ValorNumerico(guardado);
  NroPaquete = TextoDeNumero(ultimo + 1, regional::SeparadorDecimal());
  r.nroPaquete = NroPaquete;

  const ControlVentana* cajaDesde = CajaPorClave(ventana_, "FECHA_DESDE");
  const ControlVentana* cajaHasta = CajaPorClave(ventana_, "FECHA_HASTA");
  std::string desde = cajaDesde ? cajaDesde->texto : "";
  std::string hasta = cajaHasta ? cajaHasta->texto : "";
  if (!PrepararFecha(desde, -4) || !PrepararFecha(hasta, 0)) {
    r.fechaInvalida = true;
    ultima_ = r;
    return r;
  }

  std::vector<std::string> codigos;
  const bool todos = Control("chkTodos").valor == kTildado;
  const std::pair<const char*, std::string_view> casillas[] = {{"chkVentas", vorna::kVentas},
                                                               {"chkStock", vorna::kStock},
                                                               {"chkClientes", vorna::kClientes},
                                                               {"chkRuta", vorna::kRutas}};
  for (const auto& [casilla, codigo] : casillas)
    if (todos || Control(casilla).valor == kTildado) codigos.emplace_back(codigo);
  if (codigos.empty()) {
    ultima_ = r;
    return r;
  }

  // Refused before anything is written or numbered. An empty folder box
  // means the files stay in the temporary folder.
  r.rechazo = MotivoPaqueteInvalido(guardado, ultimo);
  if (r.rechazo.empty() && !TxtFields(3).texto.empty()) r.rechazo = MotivoCarpetaInvalida(TxtFields(3).texto);
  if (!r.rechazo.empty()) {
    Avisar(r.rechazo + " No se generaron archivos.");
    ultima_ = r;
    return r;
  }

  enCurso_ = true;
  for (const std::string& codigo : codigos) r.archivos.push_back(generarArchivo(codigo, desde, hasta));
  enCurso_ = false;
  // The counter advances with every run that wrote at least one file,
  // whether each file succeeded or not: a package number is never reused.
  // A counter that cannot be stored would make the next run reuse it and
  // replace these files, so the run fails and says so.
  r.paqueteNoGuardado = vorna::GrabarDato(vorna::kClavePaquete, NroPaquete);
  if (r.paqueteNoGuardado.HayError())
    Avisar("No se pudo guardar el numero de paquete " + NroPaquete + " en " + std::string(vorna::kClavePaquete) + ": " +
           r.paqueteNoGuardado.descripcion + ". Los archivos de este paquete se reemplazarian en la proxima " +
           "ejecucion; corrija la base de datos antes de volver a generar.");
  ultima_ = r;
  return r;
}

vorna::ResultadoArchivo frmInterfaceVorna::generarArchivo(const std::string& codigo, const std::string& desde,
                                                          const std::string& hasta) {
  vorna::ParametrosArchivo p;
  p.codigo = codigo;
  p.nroPaquete = NroPaquete;
  p.carpetaDestino = [this] { return TxtFields(3).texto; };
  p.progreso = [this](const std::string& t) { ventana_.FijarTexto(lblInfo(), t); };
  const auto datos = vorna::CrearConjuntoDatos(codigo, desde, hasta, NroPaquete);
  if (!datos) {
    vorna::ResultadoArchivo r;
    r.codigo = codigo;
    r.error = ErrorSistema{errores::ArgumentoInvalido, "Conjunto de datos desconocido: " + codigo, "UT_VORNA"};
    return r;
  }
  return vorna::GenerarArchivoDatos(*datos, p);
}
