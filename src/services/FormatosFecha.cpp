#include "services/FormatosFecha.h"

std::string FormatoFechaHora() { return "dd/mm/yy hh:mm"; }
std::string FormatoFecha() { return "dd/mm/yy"; }
std::string FormatoHora() { return "hh:mm"; }

namespace {

bool EsToken(std::string_view p, size_t i, std::string_view t) { return p.substr(i, t.size()) == t; }

// Position of the next token after `i` (skipping separators), or npos.
size_t SiguienteToken(std::string_view p, size_t i) {
  while (i < p.size() && !(p[i] >= 'a' && p[i] <= 'z')) ++i;
  return i < p.size() ? i : std::string_view::npos;
}

}  // namespace

// FechaHora::Formato writes minutes as "nn"; the platform's patterns say
// "mm" and tell minutes from months by the neighbouring hour or seconds.
std::string FormatearFecha(const FechaHora& fecha, std::string_view patron) {
  std::string traducido;
  bool trasHora = false;
  for (size_t i = 0; i < patron.size();) {
    if (EsToken(patron, i, "mm")) {
      const size_t sig = SiguienteToken(patron, i + 2);
      const bool minutos = trasHora || (sig != std::string_view::npos && EsToken(patron, sig, "ss"));
      traducido += minutos ? "nn" : "mm";
      trasHora = false;
      i += 2;
    } else if (patron[i] >= 'a' && patron[i] <= 'z') {
      size_t fin = i;
      while (fin < patron.size() && patron[fin] == patron[i]) ++fin;
      trasHora = patron.substr(i, fin - i) == "hh";
      traducido += patron.substr(i, fin - i);
      i = fin;
    } else {
      traducido += patron[i++];
    }
  }
  return fecha.Formato(traducido);
}
