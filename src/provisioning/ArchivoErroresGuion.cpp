#include "provisioning/ArchivoErroresGuion.h"

#include "provisioning/ArchivoPrivado.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Texto.h"

std::string NombreArchivoErrores(const FechaHora& inicio) {
  return "Script" + texto::Entero(inicio.hora) + texto::Entero(inicio.minuto) + texto::Entero(inicio.segundo) + ".TXT";
}

std::string BloqueError(const FechaHora& momento, long nativo, const std::string& descripcion,
                        const std::string& lote) {
  const std::string asteriscos(112, '*');
  return asteriscos + "\r\n" + momento.SoloFecha() + " - " + momento.Formato("hh:nn:ss") + "\r\n" + "  Error " +
         texto::Entero(nativo) + " " + descripcion + "\r\n" + asteriscos + "\r\n" + lote + "\r\n" + asteriscos + "\r\n";
}

ErrorSistema ArchivoErroresGuion::Abrir(const std::string& ruta) {
  Cerrar();
  ErrorSistema error;
  f_ = AnexarPrivado(ruta, error);
  return error;
}

void ArchivoErroresGuion::Anotar(const std::string& texto) {
  if (!f_) return;
  const std::string ansi = ansi::DesdeUtf8(texto);
  std::fwrite(ansi.data(), 1, ansi.size(), f_);
}

void ArchivoErroresGuion::Cerrar() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
}
