#include "demo/ventanas/ConsultaDemo.h"

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "db/DB_Dll.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "lookup/MascarasConsultas.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "lookup/ventanas/VentanasConsulta.h"
#include "services/Archivos.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Utiles.h"
#include "sivlib/Operador.h"
#include "sivlib/Pantalla.h"
#include "sivlib/Regional.h"
#include "sivlib/ventanas/OperadorQt.h"

namespace demo {
namespace {

const char* kUso =
    "Uso: ut_vorna_demo consulta <archivo.sqlite> [<tabla o sentencia>] [--arbol] [--campo <columna>]\n"
    "                            [--casillas]\n"
    "  Abre la consulta de la tabla (por defecto los articulos con su stock) y muestra lo elegido.\n"
    "  --arbol     la consulta en arbol (por ejemplo V_TA_FAMILIAS con --campo IDFAMILIA)\n"
    "  --campo     columna cuyo valor se devuelve\n"
    "  --casillas  una casilla por fila: se devuelven las filas marcadas\n"
    "Sin pantalla (DISPLAY, WAYLAND_DISPLAY o QT_QPA_PLATFORM=offscreen) termina con estado 6.\n";

// The articles with their stock, coloured by stock level.
const char* kArticulos =
    "SELECT Descripcion, IdArticulo, PrecioVenta, Stock, PuntoPedido FROM VT_MA_ARTICULOS WHERE Suspendido = 0 "
    "ORDER BY Descripcion";

struct Pedido {
  std::string archivo, sql = kArticulos, campo;
  bool arbol = false, casillas = false;
};

bool Leer(int argc, char** argv, Pedido& p) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--arbol") p.arbol = true;
    else if (a == "--casillas") p.casillas = true;
    else if (a == "--campo" && i + 1 < argc) p.campo = argv[++i];
    else if (a.rfind("--", 0) == 0) return false;
    else if (p.archivo.empty()) p.archivo = a;
    else p.sql = a;
  }
  return !p.archivo.empty();
}

bool Abrir(const std::string& archivo) {
  DB_Dll& db = DB();
  db.gServidor = "sqlite";
  db.gDBName = std::filesystem::absolute(archivo).string();
  db.gUsuario = "demo";
  db.OpenServerADODB(false, 3, "", false, true);
  db.gEsAdmin = true;
  return db.gOpenFlag;
}

// The lookup service as the start-up leaves it, its files beside the database.
void PrepararServicio(const std::string& archivo) {
  const std::string carpeta = ConBarraFinal(std::filesystem::absolute(archivo).parent_path().string());
  FijarCarpeta(carpeta);
  ConfigurarServicioConsultas(DB().gConnString, true, carpeta + "consultas.prx");
  if (!ExisteArchivo(carpeta + "consultas.prx")) CrearMascarasConsultas();
  InstalarVentanasConsulta();
  // The stock levels in the colours a workstation usually gives them.
  ServicioConsultas().MostrarLista = [](Lib_FrmCons3Modelo& m) {
    m.MuestraStock = "SI";
    m.StkNivel1 = Variant(0x008000);  // stock without reorder point: green
    m.StkNivel2 = Variant(0x800000);  // above the reorder point: navy
    m.StkNivel3 = Variant(0x0000C0);  // below it: red
    m.StkNivel4 = Variant(0x808080);  // none: grey
    m.GrabarCfg = true;
    MostrarConsultaLista(m);
  };
}

}  // namespace

int ConsultaDemo(int argc, char** argv) {
  if (argc > 1 && (std::string(argv[1]) == "--ayuda" || std::string(argv[1]) == "--help")) {
    std::fputs(kUso, stdout);
    return 0;
  }
  Pedido p;
  if (!Leer(argc, argv, p)) {
    std::fputs(kUso, stderr);
    return 2;
  }
  if (!std::filesystem::is_regular_file(p.archivo)) {
    std::fprintf(stderr, "ut_vorna_demo: no existe la base %s (creela con ut_vorna_demo %s)\n", p.archivo.c_str(),
                 p.archivo.c_str());
    return 1;
  }
  if (!HayPantalla()) {
    std::fputs(
        "ut_vorna_demo: la ventana de consulta necesita una pantalla (DISPLAY o WAYLAND_DISPLAY, o "
        "QT_QPA_PLATFORM=offscreen)\n",
        stderr);
    return 6;
  }
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // Qt took the user's locale; the SQL text needs the decimal point
  FijarOperador(std::make_shared<OperadorQt>());
  if (!Abrir(p.archivo)) {
    std::fprintf(stderr, "ut_vorna_demo: no se pudo abrir %s\n", p.archivo.c_str());
    return 1;
  }
  PrepararServicio(p.archivo);
  Lib_ClsCons3& s = ServicioConsultas();
  s.CampoDevuelto = p.campo;
  s.Checks = p.casillas;
  ColeccionTextos columnas = NuevaListaTextos();
  std::string campoBusqueda;
  s.ConsultaSearch(p.sql, columnas, "", campoBusqueda, "", "", p.arbol);
  std::printf("ValorDevuelto: %s\n", s.ValorDevuelto.Texto().c_str());
  if (s.Valores)
    for (const Variant& v : *s.Valores) std::printf("Valores: %s\n", v.Texto().c_str());
  return 0;
}

}  // namespace demo
