// bench_unifier <demo.sqlite> <date from> <date to> <destination folder>
//
// Writes the sales file ("VTA") of the range from the demo database
// through the main window's generarArchivo, as the unattended run does
// (unattended operator, destination folder, package 1), and prints:
//   lines seconds peak-RSS-KiB customer-lookups
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "db/DB_Dll.h"
#include "sivlib/OperadorDesatendido.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/frmInterfaceVorna.h"

namespace {

long PicoKiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "uso: bench_unifier <demo.sqlite> <desde> <hasta> <carpeta destino>\n");
    return 2;
  }
  FijarOperador(std::make_shared<OperadorDesatendido>());
  gEjecucionDesatendida = true;
  DB_Dll& db = DB();
  db.gServidor = "sqlite";
  db.gDBName = argv[1];
  db.gUsuario = "sa";
  db.OpenServerADODB(false, 3, "", true, false);
  if (!db.gOpenFlag) {
    std::fprintf(stderr, "bench_unifier: no se pudo abrir %s\n", argv[1]);
    return 1;
  }

  frmInterfaceVorna ventana;
  ventana.Ventana().FijarTexto(ventana.TxtFields(3), argv[4]);
  ventana.NroPaquete = "1";
  const auto inicio = std::chrono::steady_clock::now();
  const vorna::ResultadoArchivo r = ventana.generarArchivo("VTA", argv[2], argv[3]);
  const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  if (!r.Exito()) {
    std::fprintf(stderr, "bench_unifier: %s\n", r.Motivo().c_str());
    return 1;
  }
  std::printf("%ld %.2f %ld\n", r.lineas, segundos, PicoKiB());
  return 0;
}
