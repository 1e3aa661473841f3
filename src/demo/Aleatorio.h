#pragma once
// Deterministic pseudo-random numbers for the demo data (SplitMix64): the
// same seed gives the same database on every machine and compiler, which
// the standard library's distributions do not promise.
#include <cstdint>
#include <string_view>
#include <vector>

namespace demo {

class Aleatorio {
 public:
  explicit Aleatorio(uint64_t semilla) : estado_(semilla) {}

  uint64_t Siguiente() {
    uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [desde, hasta] (both included).
  long long Entero(long long desde, long long hasta) {
    if (hasta <= desde) return desde;
    return desde + static_cast<long long>(Siguiente() % static_cast<uint64_t>(hasta - desde + 1));
  }
  // Uniform in [0, 1).
  double Real() { return static_cast<double>(Siguiente() >> 11) * 0x1.0p-53; }
  // True with probability p.
  bool Con(double p) { return Real() < p; }
  template <typename T>
  const T& Elegir(const std::vector<T>& lista) {
    return lista[static_cast<size_t>(Entero(0, static_cast<long long>(lista.size()) - 1))];
  }
  // Index chosen by the given weights.
  size_t Ponderado(const std::vector<int>& pesos) {
    long long total = 0;
    for (int p : pesos) total += p;
    long long r = Entero(0, total - 1);
    for (size_t i = 0; i < pesos.size(); ++i) {
      if (r < pesos[i]) return i;
      r -= pesos[i];
    }
    return pesos.size() - 1;
  }

 private:
  uint64_t estado_;
};

}  // namespace demo
