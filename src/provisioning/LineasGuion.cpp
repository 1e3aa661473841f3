#include "provisioning/LineasGuion.h"

std::vector<std::string> LineasGuion(std::string_view texto) {
  std::vector<std::string> lineas;
  size_t desde = 0;
  while (desde < texto.size()) {
    const size_t cr = texto.find('\r', desde);
    if (cr == std::string_view::npos) {
      lineas.emplace_back(texto.substr(desde));
      break;
    }
    lineas.emplace_back(texto.substr(desde, cr - desde));
    desde = cr + (cr + 1 < texto.size() && texto[cr + 1] == '\n' ? 2 : 1);
  }
  return lineas;
}
