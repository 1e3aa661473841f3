// bench_lookup: the list lookup on a large demo table (its articles with
// their stock, six columns, a statement without TOP), offscreen.
//   - reading the rows through AbrirRecordset alone (the bare reading);
//   - filling the window's model, and the Qt window shown with its list;
//   - one search-as-you-type step: a key typed into the first search box,
//     through the Qt event, over every row;
//   - memory of the filled window against the size of the rows' texts.
//
//   bench_lookup <demo.sqlite> [corridas=3]
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "BaseBench.h"
#include "MedidasProceso.h"
#include "db/DB_Dll.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "sivlib/Utiles.h"
#include "sivlib/Regional.h"

namespace {

const char* kSentencia =
    "SELECT Descripcion, IdArticulo, PrecioVenta, Stock, PuntoPedido, Suspendido FROM VT_MA_ARTICULOS "
    "ORDER BY Descripcion";

struct Lectura {
  double segundos = 0;
  long filas = 0;
};

// The rows read through AbrirRecordset, each field's value taken (`comoTexto`: as text too).
Lectura LeerBare(bool comoTexto) {
  const auto inicio = std::chrono::steady_clock::now();
  Recordset rs;
  DB().AbrirRecordset(std::string(kSentencia), rs);
  Lectura l;
  size_t bytes = 0;
  while (!rs.Eof()) {
    for (long i = 0; i < rs.FieldCount(); ++i) {
      const Variant& v = rs.Fields(i)->Value();
      if (comoTexto) bytes += SinNulo(v).size();
    }
    ++l.filas;
    rs.MoveNext();
  }
  DB().CierraRecordset(rs);
  l.segundos = Segundos(inicio);
  if (bytes == size_t(-1)) std::puts("");  // keeps the conversion from being optimised away
  return l;
}

size_t BytesDeTexto(const FilasConsulta& f) {
  size_t total = 0;
  for (size_t r = 0; r < f.Cantidad(); ++r)
    for (size_t c = 0; c < f.Columnas(); ++c) total += f.Celda(r, c).size();
  return total;
}

// One key typed into a line edit, as the operator types it, and its effects drawn.
double Teclear(QLineEdit* caja, QChar letra) {
  const auto inicio = std::chrono::steady_clock::now();
  const int tecla = letra.toUpper().unicode();  // Qt's key codes of letters and digits are their capitals
  QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::NoModifier, QString(letra));
  QApplication::sendEvent(caja, &pulsada);
  QKeyEvent soltada(QEvent::KeyRelease, tecla, Qt::NoModifier, QString(letra));
  QApplication::sendEvent(caja, &soltada);
  QApplication::processEvents();
  return Segundos(inicio);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: bench_lookup <demo.sqlite> [corridas]\n");
    return 2;
  }
  const int corridas = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  UsarPantallaOffscreen();
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // Qt took the user's locale; the SQL text needs the decimal point
  if (!AbrirBaseDemo(argv[1])) return 1;

  // Qt's own start (fonts, style, drawing surfaces) is paid by a first small
  // window, so that the figures below are those of the rows.
  {
    Lib_FrmCons3Modelo pequena;
    pequena.SQL =
        "SELECT Descripcion, IdArticulo, PrecioVenta, Stock, PuntoPedido, Suspendido FROM VT_MA_ARTICULOS "
        "WHERE IdArticulo < '0010100'";
    Lib_FrmCons3 ventana(pequena);
    ventana.show();
    QApplication::processEvents();
  }
  double bare = 1e9, bareTexto = 1e9, modelo = 1e9, ventana = 1e9, paso = 1e9, pasoSinCoincidencia = 1e9;
  long filas = 0;
  size_t texto = 0, memoriaFilas = 0;
  long long memoriaProceso = 0, memoriaModelo = 0;
  for (int r = 0; r < corridas; ++r) {
    const Lectura l = LeerBare(false);
    bare = std::min(bare, l.segundos);
    filas = l.filas;
    bareTexto = std::min(bareTexto, LeerBare(true).segundos);

    {
      const long long antesModelo = (long long)MemoriaResidente();
      Lib_FrmCons3Modelo m;
      m.SQL = kSentencia;
      const auto inicio = std::chrono::steady_clock::now();
      m.Form_Load();
      modelo = std::min(modelo, Segundos(inicio));
      memoriaModelo = std::max(memoriaModelo, (long long)MemoriaResidente() - antesModelo);
    }

    const long long antes = (long long)MemoriaResidente();
    auto m = std::make_unique<Lib_FrmCons3Modelo>();
    m->SQL = kSentencia;
    const auto inicio = std::chrono::steady_clock::now();
    auto w = std::make_unique<Lib_FrmCons3>(*m);
    w->show();
    QApplication::processEvents();
    ventana = std::min(ventana, Segundos(inicio));
    // The first run grows the process; later ones reuse what the previous window freed.
    memoriaProceso = std::max(memoriaProceso, (long long)MemoriaResidente() - antes);
    memoriaFilas = m->Filas().Memoria();
    texto = BytesDeTexto(m->Filas());

    // The last description's first letters: the search walks the whole list.
    QLineEdit* caja = w->CmbSearch(0)->lineEdit();
    caja->setFocus();
    const std::string ultima(m->Filas().Celda(m->Filas().EnPosicion(m->Filas().Cantidad() - 1), 0));
    Teclear(caja, QChar(ultima.empty() ? 'Z' : ultima[0]));
    paso = std::min(paso, Teclear(caja, QChar(ultima.size() > 1 ? ultima[1] : 'Z')));
    pasoSinCoincidencia = std::min(pasoSinCoincidencia, Teclear(caja, QChar('#')));
    w.reset();
  }
  std::printf("filas: %ld, 6 columnas, mejor de %d corridas\n", filas, corridas);
  std::printf("lectura con AbrirRecordset (valores):      %8.3f s\n", bare);
  std::printf("lectura con AbrirRecordset (como texto):   %8.3f s\n", bareTexto);
  std::printf("carga del modelo de la ventana:            %8.3f s  (%.2fx la lectura)\n", modelo, modelo / bare);
  std::printf("ventana Qt mostrada con su lista:          %8.3f s  (%.2fx la lectura)\n", ventana, ventana / bare);
  std::printf("un paso de busqueda al teclear:            %8.2f ms\n", paso * 1000);
  std::printf("un paso de busqueda sin coincidencia:      %8.2f ms\n", pasoSinCoincidencia * 1000);
  std::printf("texto de las filas:                        %8.1f MB\n", double(texto) / 1e6);
  std::printf("memoria de las filas:                      %8.1f MB  (%.2fx el texto)\n", double(memoriaFilas) / 1e6,
              double(memoriaFilas) / double(texto));
  std::printf("memoria del proceso al cargar el modelo:   %8.1f MB  (%.2fx el texto)\n", double(memoriaModelo) / 1e6,
              double(memoriaModelo) / double(texto));
  std::printf("memoria del proceso al abrir la ventana:   %8.1f MB  (%.2fx el texto)\n", double(memoriaProceso) / 1e6,
              double(memoriaProceso) / double(texto));
  return 0;
}
