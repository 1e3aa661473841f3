// The generation run of the main window: package number, date range, the
// chosen data sets, and the package counter stored at the end.
#include <vector>

#include "services/Configuracion.h"
#include "sivlib/CamposVentana.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
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

}  // namespace

bool frmInterfaceVorna::PrepararFecha(std::string& fecha, int dias) {
  if (texto::Recortado(fecha).empty()) {
    FechaHora hoy = FechaHora::Ahora();
    hoy.hora = hoy.minuto = hoy.segundo = 0;
    fecha = hoy.MasDias(dias).SoloFecha();
    return true;
  }
  if (FechaHora::DesdeTexto(fecha)) return true;
  operador().Mensaje("Debe ingresar una fecha valida!", botones::OK + botones::Critico, "Aviso al Operador");
  return false;
}

vorna::ResultadoGeneracion frmInterfaceVorna::ActualizarDatos() {
  vorna::ResultadoGeneracion r;
  if (gEjecucionDesatendida) {
    FijarFechasDelServidor();
    ventana_.FijarValor(Control("chkTodos"), kTildado);
    ventana_.FijarTexto(TxtFields(3), Cfg(vorna::ClaveCarpetaDestino()));
  }
  NroPaquete = TextoDeNumero(ValorNumerico(Cfg(std::string(vorna::kClavePaquete))) + 1, regional::SeparadorDecimal());
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
  const std::pair<const char*, std::string_view> casillas[] = {
      {"chkVentas", vorna::kVentas}, {"chkStock", vorna::kStock}, {"chkClientes", vorna::kClientes},
      {"chkRuta", vorna::kRutas}};
  for (const auto& [casilla, codigo] : casillas)
    if (todos || Control(casilla).valor == kTildado) codigos.emplace_back(codigo);

  enCurso_ = true;
  for (const std::string& codigo : codigos) r.archivos.push_back(generarArchivo(codigo, desde, hasta));
  enCurso_ = false;
  // The counter advances with every run that wrote at least one file,
  // whether each file succeeded or not: a package number is never reused.
  if (!r.archivos.empty()) vorna::GrabarDato(vorna::kClavePaquete, NroPaquete);
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
