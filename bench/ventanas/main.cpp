// bench_ventanas: the sales file ("VTA") of a demo database written three
// ways, best of N runs each, taken in turns:
//   - unattended: the window model alone, with the unattended operator
//     (no event processing), as the scheduled run writes it;
//   - window: "GRABAR" on the Qt main window, offscreen, with the Qt
//     operator, whose event processing (and so the repaint of the progress
//     label, which changes on every row) is paced;
//   - window, unpaced: the same with events processed after every row.
// Prints the figures and the ratios to the unattended run.
//
//   bench_ventanas <demo.sqlite> [runs=3]
#include <QAction>
#include <QApplication>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "BaseBench.h"
#include "sivlib/FechaHora.h"
#include "sivlib/OperadorDesatendido.h"
#include "sivlib/Regional.h"
#include "sivlib/ventanas/OperadorQt.h"
#include "unifier/frmInterfaceVorna.h"
#include "unifier/ventanas/BarraBarrix.h"
#include "unifier/ventanas/VentanaInterfaceVorna.h"

namespace {

namespace fs = std::filesystem;

// Every sale of the demo (it covers the last weeks), into a fresh folder.
void PrepararSoloVentas(frmInterfaceVorna& m, const std::string& destino) {
  ModeloVentana& v = m.Ventana();
  const FechaHora hoy = FechaHora::Ahora();
  v.FijarTexto(m.TxtFields(0), hoy.MasDias(-400).SoloFecha());
  v.FijarTexto(m.TxtFields(1), hoy.MasDias(1).SoloFecha());
  v.FijarTexto(m.TxtFields(3), destino);
  for (const char* casilla : {"chkTodos", "chkClientes", "chkRuta", "chkStock"}) v.FijarValor(m.Control(casilla), 0);
  v.FijarValor(m.Control("chkVentas"), 1);
}

double Segundos(const std::function<void()>& f) {
  const auto inicio = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

struct Medida {
  double mejor = 1e300;
  long lineas = -1;
  void Tomar(double s, long l) {
    if (s < mejor) mejor = s;
    lineas = l;
  }
};

long LineasDe(const frmInterfaceVorna& m) {
  const auto& r = m.UltimaGeneracion();
  return r.archivos.empty() ? -1 : r.archivos[0].lineas;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: bench_ventanas <demo.sqlite> [corridas=3]\n");
    return 2;
  }
  const std::string base = argv[1];
  const int corridas = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  UsarPantallaOffscreen();
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // Qt took the user's locale; the SQL text needs the decimal point

  const fs::path trabajo = fs::temp_directory_path() / ("bench_ventanas_" + std::to_string(getpid()));
  const std::string destino = (trabajo / "destino").string() + "/";
  fs::create_directories(destino);
  setenv("TEMP", trabajo.c_str(), 1);
  if (!AbrirBaseDemo(base)) return 1;

  auto operadorQt = std::make_shared<OperadorQt>();
  const auto desatendido = std::make_shared<OperadorDesatendido>();
  Medida sinVentana, conVentana, sinPausa;

  const auto porVentana = [&](std::chrono::milliseconds intervalo, Medida& medida) {
    operadorQt->FijarIntervaloEventos(intervalo);
    FijarOperador(operadorQt);
    VentanaInterfaceVorna ventana;
    ventana.AlTerminar = [] {};
    ventana.show();
    QApplication::processEvents();
    PrepararSoloVentas(ventana.Modelo(), destino);
    const double s = Segundos([&] { ventana.Barrix1()->Boton("GRABAR")->trigger(); });
    medida.Tomar(s, LineasDe(ventana.Modelo()));
  };

  for (int i = 0; i < corridas; ++i) {
    {
      FijarOperador(desatendido);
      frmInterfaceVorna modelo;
      modelo.Form_Load();
      PrepararSoloVentas(modelo, destino);
      const double s = Segundos([&] { modelo.ActualizarDatos(); });
      sinVentana.Tomar(s, LineasDe(modelo));
    }
    porVentana(OperadorQt::kIntervaloEventos, conVentana);
    porVentana(std::chrono::milliseconds(0), sinPausa);
    fs::remove_all(destino);
    fs::create_directories(destino);
    for (const auto& e : fs::directory_iterator(trabajo))
      if (e.path().extension() == ".TMP") fs::remove(e.path());
  }
  fs::remove_all(trabajo);

  std::printf("archivo VTA de %s, mejor de %d corridas\n", base.c_str(), corridas);
  std::printf("  lineas escritas                 %ld\n", sinVentana.lineas);
  std::printf("  desatendida (solo el modelo)    %.3f s\n", sinVentana.mejor);
  std::printf("  ventana, eventos cada %lld ms    %.3f s  (%.2fx)\n",
              static_cast<long long>(OperadorQt::kIntervaloEventos.count()), conVentana.mejor,
              conVentana.mejor / sinVentana.mejor);
  std::printf("  ventana, eventos en cada fila   %.3f s  (%.2fx)\n", sinPausa.mejor, sinPausa.mejor / sinVentana.mejor);
  if (sinVentana.lineas != conVentana.lineas || sinVentana.lineas != sinPausa.lineas) {
    std::fprintf(stderr, "las corridas no escribieron las mismas lineas (%ld, %ld, %ld)\n", sinVentana.lineas,
                 conVentana.lineas, sinPausa.lineas);
    return 1;
  }
  return 0;
}
