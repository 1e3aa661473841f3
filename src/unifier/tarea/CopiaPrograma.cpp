#include "unifier/tarea/CopiaPrograma.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "services/Archivos.h"
#include "sivlib/Entorno.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/ErrorArchivo.h"
#include "unifier/tarea/ComandoTarea.h"

namespace tarea {

std::string ProgramaACopiar() {
  const std::string propio = ConBarraFinal(gCarpetaAplicacion) + NombreArchivoPrograma();
  if (!gCarpetaAplicacion.empty() && ExisteArchivo(propio)) return propio;
  return RutaEjecutable();
}

std::string CopiarPrograma(const std::string& origen, const std::string& destino) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::equivalent(origen, destino, ec)) return "";
  if (!ExisteArchivo(origen)) return vorna::ErrorDeArchivo(ENOENT, "leer", origen).descripcion;
  const fs::path final(destino);
  const fs::path nuevo = final.parent_path() / ("." + final.filename().string() + ".nuevo");
  const auto descartar = [&] {
    std::error_code ignorado;
    fs::remove(nuevo, ignorado);
  };
  if (!CopiarArchivo(origen, nuevo.string())) {
    descartar();
    return vorna::ErrorDeArchivo(0, "escribir", nuevo.string()).descripcion;
  }
  fs::permissions(nuevo,
                  fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                      fs::perms::others_exec,
                  ec);
  if (!ec) fs::rename(nuevo, final, ec);
  if (ec) {
    descartar();
    return vorna::ErrorDeArchivo(ec.value(), "reemplazar", destino).descripcion;
  }
  return "";
}

}  // namespace tarea
