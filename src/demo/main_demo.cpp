// ut_vorna_demo: creates the demo ERP database (embedded SQLite file) that
// the unifier can export from, with the program's own tables.
//
//   ut_vorna_demo <file.sqlite> [--lineas N] [--clientes N] [--articulos N]
//                 [--vendedores N] [--dias N] [--destino <folder>]
//                 [--paquete N] [--semilla N] [--reemplazar]
//   ut_vorna_demo consulta <file.sqlite> [<table or statement>] [--arbol]
//                 [--campo <column>] [--casillas]
//
// Without --destino the destination folder stored for this machine is the
// database file's folder.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sivlib/Reloj.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "unifier/ClavesVorna.h"
#include "demo/GeneradorDemo.h"
#include "demo/ventanas/ConsultaDemo.h"

namespace {

const char* kUso =
    "Uso: ut_vorna_demo <archivo.sqlite> [--lineas N] [--clientes N] [--articulos N]\n"
    "                   [--vendedores N] [--dias N] [--destino <carpeta>] [--paquete N]\n"
    "                   [--semilla N] [--reemplazar]\n"
    "  --lineas      lineas de venta (TK, TKFC, FC, ND, NC, NCFP, FP); por defecto 100000\n"
    "  --clientes    clientes; por defecto 2000\n"
    "  --articulos   articulos (al menos 3); por defecto 400\n"
    "  --vendedores  vendedores; por defecto 20\n"
    "  --dias        dias hasta hoy que cubren los comprobantes; por defecto 35\n"
    "  --destino     carpeta destino de los archivos para este equipo;\n"
    "                por defecto la carpeta de la base de datos\n"
    "  --paquete     ultimo numero de paquete (NRO_PAQUETE); por defecto 0\n"
    "  --semilla     semilla de los datos; por defecto 20161231\n"
    "  --reemplazar  reemplaza el archivo si ya existe\n"
    "       ut_vorna_demo consulta <archivo.sqlite> [<tabla o sentencia>] [--arbol] [--campo <columna>]\n"
    "                   [--casillas]\n"
    "  abre una ventana de consulta sobre la base (ver ut_vorna_demo consulta --ayuda)\n";

// A whole non-negative number, or false.
bool LeerEntero(const std::string& texto, long long& valor) {
  if (texto.empty() || texto.find_first_not_of("0123456789") != std::string::npos || texto.size() > 15) return false;
  valor = std::stoll(texto);
  return true;
}

int ErrorDeUso(const std::string& mensaje) {
  std::fprintf(stderr, "ut_vorna_demo: %s\n%s", mensaje.c_str(), kUso);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "consulta") return demo::ConsultaDemo(argc - 1, argv + 1);
  demo::ParametrosDemo p;
  std::string archivo;
  bool hayDestino = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--ayuda" || a == "--help" || a == "-h") {
      std::fputs(kUso, stdout);
      return 0;
    }
    if (a == "--reemplazar") {
      p.reemplazar = true;
      continue;
    }
    if (a.rfind("--", 0) == 0) {
      if (i + 1 >= argc) return ErrorDeUso("falta el valor de " + a);
      const std::string valor = argv[++i];
      if (a == "--destino") {
        p.destino = valor;
        hayDestino = true;
        continue;
      }
      long long n = 0;
      if (!LeerEntero(valor, n)) return ErrorDeUso("valor no valido para " + a + ": " + valor);
      if (a == "--lineas") p.lineas = long(n);
      else if (a == "--clientes") p.clientes = long(n);
      else if (a == "--articulos") p.articulos = long(n);
      else if (a == "--vendedores") p.vendedores = long(n);
      else if (a == "--dias") p.dias = int(std::min(n, 100000LL));
      else if (a == "--paquete") p.paquete = long(n);
      else if (a == "--semilla") p.semilla = static_cast<uint64_t>(n);
      else return ErrorDeUso("opcion desconocida: " + a);
      continue;
    }
    if (!archivo.empty()) return ErrorDeUso("sobra el argumento " + a);
    archivo = a;
  }
  if (archivo.empty()) return ErrorDeUso("falta el archivo de la base de datos");

  // The folder as the folder chooser stores it: trimmed, with its final separator.
  std::error_code ec;
  if (!hayDestino) p.destino = std::filesystem::absolute(archivo, ec).parent_path().string();
  p.destino = texto::Recortado(p.destino);
  if (!p.destino.empty()) p.destino = ConBarraFinal(p.destino);

  const Reloj::Instante inicio = reloj().Monotono();
  demo::ResumenDemo r;
  std::string error;
  if (!demo::GenerarBaseDemo(archivo, p, &r, &error)) {
    std::fprintf(stderr, "ut_vorna_demo: %s\n", error.c_str());
    return 1;
  }
  const double segundos = std::chrono::duration<double>(reloj().Monotono() - inicio).count();
  std::printf("%s creada en %.2f s\n", archivo.c_str(), segundos);
  std::printf("  lineas de venta:    %ld\n  otros movimientos:  %ld\n  comprobantes:       %ld\n", r.lineasVenta,
              r.otrosMovimientos, r.comprobantes);
  std::printf("  clientes:           %ld\n  articulos:          %ld\n  vendedores:         %ld\n", r.clientes,
              r.articulos, r.vendedores);
  std::printf("  frecuencias:        %ld\n", r.frecuencias);
  std::printf("  %s = %s\n  NRO_PAQUETE = %ld\n", vorna::ClaveCarpetaDestino().c_str(), p.destino.c_str(), p.paquete);
  return 0;
}
