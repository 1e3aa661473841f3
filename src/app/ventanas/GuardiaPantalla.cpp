#include "app/ventanas/GuardiaPantalla.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/EstadoSalida.h"
#include "app/Pantalla.h"

namespace {

QtMessageHandler anterior = nullptr;

std::string Pantalla() {
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* s = std::getenv(v); s && *s) return std::string(v) + "=" + s;
  return "sin DISPLAY";
}

void AlMensajeQt(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje) {
  if (tipo != QtFatalMsg) {
    if (anterior) anterior(tipo, contexto, mensaje);
    return;
  }
  std::fprintf(stderr, "ut_vorna: no se pudo abrir la pantalla (%s). %s\n", Pantalla().c_str(), TextoSinPantalla());
  std::fflush(stderr);
  // Nothing has started yet: no database is open, no file is half written.
  std::_Exit(estado_salida::SinVentana);
}

}  // namespace

GuardiaPantalla::GuardiaPantalla() { anterior = qInstallMessageHandler(AlMensajeQt); }

GuardiaPantalla::~GuardiaPantalla() { qInstallMessageHandler(anterior); }
