#include "sivlib/RegistroErrores.h"

#include <cstdio>

#include "sivlib/CodigoAnsi.h"
#include "sivlib/RegistroAlternativo.h"
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

std::string EnUnaLinea(std::string_view texto) {
  std::string linea;
  linea.reserve(texto.size());
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
    linea += c == '\r' || c == '\n' ? ' ' : c;
  }
  return linea;
}

std::string Linea(const FechaHora& m, const std::string& rutina, const std::string& mensaje, int codigo) {
  // The hyphen and the name are trimmed as one text: the part begins with
  // "- " and keeps any blanks the caller put before the name.
  const std::string parteRutina = rutina.empty() ? "" : texto::Recortado(" - " + EnUnaLinea(rutina));
  return m.Formato("mm-dd-yyyy") + " " + m.Formato("hh:nn:ss") + " Rutina: " + parteRutina + " Mensaje " +
         texto::Recortado(EnUnaLinea(mensaje)) + " Respondió : " + PalabraRespuesta(codigo);
}

namespace {

bool AnexarBytes(const std::string& ruta, const std::string& bytes) {
  std::FILE* f = std::fopen(ruta.c_str(), "ab");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

bool Anexar(const std::string& ruta, const std::string& linea) {
  const std::string bytes = ansi::DesdeUtf8(linea) + "\r\n";
  if (AnexarBytes(ruta, bytes)) return true;
  // A program folder its user cannot write must not lose the line.
  const std::string alternativa = RutaAlternativa(ruta);
  return !alternativa.empty() && alternativa != ruta && AnexarBytes(alternativa, bytes);
}

}  // namespace registro
