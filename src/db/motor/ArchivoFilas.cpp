#include "db/motor/ArchivoFilas.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "sivlib/Entorno.h"

#ifdef _WIN32
#include <process.h>
#define ID_PROCESO _getpid
#else
#include <unistd.h>
#define ID_PROCESO getpid
#endif

namespace {

enum class Marca : uint8_t { Vacio, Nulo, Texto, Numero, Fecha, Booleano };

template <class T>
bool Poner(std::FILE* f, const T& v) {
  return std::fwrite(&v, sizeof v, 1, f) == 1;
}

template <class T>
bool Tomar(std::FILE* f, T& v) {
  return std::fread(&v, sizeof v, 1, f) == 1;
}

bool PonerValor(std::FILE* f, const Variant& v) {
  switch (v.tipo()) {
    case Variant::Tipo::Vacio: return Poner(f, Marca::Vacio);
    case Variant::Tipo::Nulo: return Poner(f, Marca::Nulo);
    case Variant::Tipo::Numero: return Poner(f, Marca::Numero) && Poner(f, v.Numero());
    case Variant::Tipo::Booleano: return Poner(f, Marca::Booleano) && Poner(f, uint8_t(v.Logico()));
    case Variant::Tipo::Fecha: {
      const FechaHora& h = v.Fecha();
      const int32_t partes[6] = {h.anio, h.mes, h.dia, h.hora, h.minuto, h.segundo};
      return Poner(f, Marca::Fecha) && Poner(f, partes);
    }
    case Variant::Tipo::Texto: {
      const std::string t = v.Texto();
      return Poner(f, Marca::Texto) && Poner(f, uint32_t(t.size())) &&
             (t.empty() || std::fwrite(t.data(), t.size(), 1, f) == 1);
    }
  }
  return false;
}

bool TomarValor(std::FILE* f, Variant& v) {
  Marca marca{};
  if (!Tomar(f, marca)) return false;
  switch (marca) {
    case Marca::Vacio: v = Variant(); return true;
    case Marca::Nulo: v = Variant::Nulo(); return true;
    case Marca::Numero: {
      double n = 0;
      if (!Tomar(f, n)) return false;
      v = Variant(n);
      return true;
    }
    case Marca::Booleano: {
      uint8_t b = 0;
      if (!Tomar(f, b)) return false;
      v = Variant::Booleano(b != 0);
      return true;
    }
    case Marca::Fecha: {
      int32_t p[6] = {};
      if (!Tomar(f, p)) return false;
      v = Variant(FechaHora{p[0], p[1], p[2], p[3], p[4], p[5]});
      return true;
    }
    case Marca::Texto: {
      uint32_t n = 0;
      if (!Tomar(f, n)) return false;
      std::string t(n, '\0');
      if (n && std::fread(t.data(), n, 1, f) != 1) return false;
      v = Variant(std::move(t));
      return true;
    }
  }
  return false;
}

}  // namespace

ArchivoFilas::~ArchivoFilas() {
  if (!f_) return;
  std::fclose(f_);
  std::remove(ruta_.c_str());
}

Resultado ArchivoFilas::Fallo(const std::string& que) const {
  const int codigo = errno;
  const std::string causa = codigo ? std::strerror(codigo) : "el archivo quedo incompleto";
  return ResultadoFallido(
      ado::FalloProveedor,
      "No se pudo " + que + " el resultado pendiente en el archivo temporal " + ruta_ + ": " + causa, "ut_vorna",
      "HY000", codigo);
}

Resultado ArchivoFilas::Crear() {
  static std::atomic<unsigned> contador{0};
  const std::string base = CarpetaTemporal() + "ut_vorna_resultado_" + std::to_string(ID_PROCESO()) + "_";
  for (int intento = 0; intento < 100; ++intento) {
    ruta_ = base + std::to_string(contador++) + ".tmp";
    // "x": a file of the same name (another copy of the program) is never taken over.
    f_ = std::fopen(ruta_.c_str(), "w+bx");
    if (f_ || errno != EEXIST) break;
  }
  return f_ ? Resultado{} : Fallo("crear");
}

bool ArchivoFilas::Posicionar(bool leer) {
  if (leer == leyendo_) return true;
  const long aqui = std::ftell(f_);
  if (aqui < 0) return false;
  (leyendo_ ? siguienteLectura_ : finEscrito_) = aqui;
  leyendo_ = leer;
  // The seek also writes out what is still buffered (and fails when that fails).
  return std::fseek(f_, leer ? siguienteLectura_ : finEscrito_, SEEK_SET) == 0;
}

Resultado ArchivoFilas::Escribir(const std::vector<Variant>& fila) {
  if (!f_) {
    if (Resultado r = Crear(); !r.Ok()) return r;
  }
  bool ok = Posicionar(false) && Poner(f_, uint32_t(fila.size()));
  for (size_t i = 0; ok && i < fila.size(); ++i) ok = PonerValor(f_, fila[i]);
  if (!ok) return Fallo("guardar");
  ++escritas_;
  return {};
}

bool ArchivoFilas::Leer(std::vector<Variant>& fila, Resultado& r) {
  if (Pendientes() == 0) return false;
  errno = 0;
  if (!Posicionar(true)) {
    r = Fallo("guardar");
    escritas_ = leidas_;  // what was written cannot be trusted
    return false;
  }
  uint32_t n = 0;
  bool ok = Tomar(f_, n);
  fila.assign(ok ? n : 0, Variant());
  for (size_t i = 0; ok && i < fila.size(); ++i) ok = TomarValor(f_, fila[i]);
  if (!ok) {
    r = Fallo("leer");
    escritas_ = leidas_;
    return false;
  }
  ++leidas_;
  return true;
}
