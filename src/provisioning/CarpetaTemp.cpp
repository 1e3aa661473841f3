#include "provisioning/CarpetaTemp.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

std::string CarpetaTemp() {
  const char* temp = std::getenv("TEMP");
  const std::string carpeta = temp ? temp : "";
  return ConBarraFinal(texto::Recortado(carpeta).empty() ? CarpetaTemporal() : carpeta);
}

std::string ArchivoTempPropio(const std::string& carpeta, const std::string& nombre) {
  const std::string comun = ConBarraFinal(carpeta) + nombre;
  struct stat st {};
  if (::lstat(comun.c_str(), &st) != 0 || st.st_uid == ::geteuid()) return comun;
  const std::string propia = ConBarraFinal(carpeta) + "ut_vorna-" + std::to_string(::geteuid());
  // A folder of that name that is not this user's is no place for the file:
  // the shared path is kept and its creation reports the refusal.
  if (::mkdir(propia.c_str(), S_IRWXU) != 0 &&
      (::lstat(propia.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()))
    return comun;
  return propia + "/" + nombre;
}
