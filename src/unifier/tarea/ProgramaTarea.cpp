#include "unifier/tarea/ProgramaTarea.h"

#include "sivlib/CarpetasPrograma.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/tarea/ComandoTarea.h"

namespace tarea {

ProgramaTarea ProgramaDeLaTarea(const std::string& carpetaDestino) {
  if (const auto& instalacion = InstalacionFijada())
    return {instalacion->programa, ConBarraFinal(gCarpetaAplicacion), false};
  return {ConBarraFinal(carpetaDestino) + NombreArchivoPrograma(), "", true};
}

}  // namespace tarea
