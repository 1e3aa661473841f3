#include "DocumentoPrueba.h"

#include <random>

namespace {

std::string Pedido(std::mt19937& azar, int n) {
  auto entre = [&](int a, int b) { return a + int(azar() % unsigned(b - a + 1)); };
  std::string s = "{\"id\": " + std::to_string(n) + ", \"cliente\": {\"codigo\": \"" + std::to_string(entre(1, 99999)) +
                  "\", \"nombre\": \"Almacén \\\"" + std::to_string(n % 977) +
                  "\\\" S.R.L.\", \"activo\": " + (n % 3 ? "true" : "false") +
                  ", \"direccion\": {\"calle\": \"Av. San Martín\", \"numero\": " + std::to_string(entre(1, 9000)) +
                  ", \"piso\": null}}, \"fecha\": \"2026-12-" + std::to_string(10 + n % 18) + "\", \"lineas\": [";
  const int lineas = entre(1, 6);
  for (int i = 0; i < lineas; ++i) {
    if (i) s += ", ";
    s += "{\"articulo\": \"ART-" + std::to_string(entre(1000, 99999)) +
         "\", \"cantidad\": " + std::to_string(entre(1, 48)) + ", \"precio\": " + std::to_string(entre(1, 99999)) +
         "." + std::to_string(entre(10, 99)) + ", \"descuento\": -" + std::to_string(entre(0, 15)) + ".5e-2" +
         ", \"tags\": [\"a\\u00f1o\", \"x\\ty\", " + std::to_string(entre(0, 9)) + "]}";
  }
  s += "], \"total\": 123456789012345.6789, \"notas\": \"Entregar por la tarde; llamar antes.\\n\"}";
  return s;
}

}  // namespace

std::string DocumentoPrueba(size_t bytes) {
  std::mt19937 azar(42);
  std::string doc = "[\n";
  for (int n = 1; doc.size() < bytes; ++n) {
    if (n > 1) doc += ",\n";
    doc += Pedido(azar, n);
  }
  doc += "\n]\n";
  return doc;
}
