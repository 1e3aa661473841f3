// Parses a generated 10 MB document with the JSON module and with
// nlohmann-json, and prints the best time of several runs of each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <nlohmann/json.hpp>

#include "DocumentoPrueba.h"
#include "json/Json.h"

namespace {

double MejorTiempo(int vueltas, const std::function<void()>& trabajo) {
  double mejor = 1e30;
  for (int i = 0; i < vueltas; ++i) {
    const auto inicio = std::chrono::steady_clock::now();
    trabajo();
    const std::chrono::duration<double, std::milli> t = std::chrono::steady_clock::now() - inicio;
    mejor = std::min(mejor, t.count());
  }
  return mejor;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t megas = argc > 1 ? size_t(std::atoi(argv[1])) : 10;
  const int vueltas = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::string doc = DocumentoPrueba(megas * 1000 * 1000);

  long nuestros = 0, suyos = 0;
  const double tNuestro = MejorTiempo(vueltas, [&] {
    const JSON::ValorJson v = JSON::ParsearJson(doc);
    nuestros = v.Cantidad();
  });
  if (!JSON::ErroresJson().empty()) {
    std::fprintf(stderr, "ParsearJson reported errors:\n%.400s\n", JSON::ErroresJson().c_str());
    return 1;
  }
  const double tSuyo = MejorTiempo(vueltas, [&] {
    const nlohmann::json v = nlohmann::json::parse(doc);
    suyos = long(v.size());
  });
  if (nuestros != suyos) {
    std::fprintf(stderr, "element counts differ: %ld against %ld\n", nuestros, suyos);
    return 1;
  }
  const double mb = double(doc.size()) / 1e6;
  std::printf("document: %.2f MB, %ld orders, best of %d runs\n", mb, nuestros, vueltas);
  std::printf("JSON::ParsearJson   %8.1f ms  %7.1f MB/s\n", tNuestro, mb / tNuestro * 1000);
  std::printf("nlohmann::json      %8.1f ms  %7.1f MB/s\n", tSuyo, mb / tSuyo * 1000);
  std::printf("ratio (ours / nlohmann): %.2f  (goal: 3.00 or less)\n", tNuestro / tSuyo);
  return 0;
}
