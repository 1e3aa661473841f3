#include "sivlib/RegistroErrores.h"

#include <cstdio>

#include "sivlib/CodigoAnsi.h"
#include "sivlib/Texto.h"

namespace registro {

std::string PalabraRespuesta(int codigo) {
  switch (codigo) {
    case 2: return "Cancelar";
    case 3: return "Abortar";
    case 4: return "Reintentar";
    case 5: return "Ignorar";
    case 6: return "Sí";
    case 7: return "No";
    default: return "";
  }
}

std::string Linea(const FechaHora& m, const std::string& rutina, const std::string& mensaje, int codigo) {
  // The hyphen and the name are trimmed as one text: the part begins with
  // "- " and keeps any blanks the caller put before the name.
  const std::string parteRutina = rutina.empty() ? "" : texto::Recortado(" - " + rutina);
  return m.Formato("mm-dd-yyyy") + " " + m.Formato("hh:nn:ss") + " Rutina: " + parteRutina + " Mensaje " +
         texto::Recortado(mensaje) + " Respondió : " + PalabraRespuesta(codigo);
}

bool Anexar(const std::string& ruta, const std::string& linea) {
  std::FILE* f = std::fopen(ruta.c_str(), "ab");
  if (!f) return false;
  const std::string bytes = ansi::DesdeUtf8(linea) + "\r\n";
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace registro
