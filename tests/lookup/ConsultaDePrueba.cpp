#include "ConsultaDePrueba.h"

#include "sivlib/Aplicacion.h"

namespace {
struct Articulo {
  const char* codigo;
  const char* descripcion;
  int suspendido;
  double puntoPedido, stock;
};
// In DESCRIPCION order the seventh is the first to start with CAFE.
const Articulo kFilas[] = {
    {"1", "ACEITE GIRASOL 1L", 0, 10, 25}, {"2", "ARROZ LARGO FINO", 0, 0, 4},  {"3", "AZUCAR 1KG", 0, 20, 5},
    {"4", "BIZCOCHOS DULCES", 0, 0, 0},    {"5", "CACAO AMARGO", 0, 5, 5},      {"6", "CAF INSTANTANEO X", 1, 0, 0},
    {"7", "CALDO DE VERDURAS", 0, 0, 9},   {"8", "CAFE MOLIDO 500G", 0, 8, 12}, {"9", "CAFE TOSTADO", 0, 0, 1},
    {"10", "CAFE'S O'HIGGINS", 0, 0, 3},   {"11", "CANELA EN RAMA", 0, 0, 2},   {"12", "YERBA MATE", 0, 30, 40},
    {"13", "BOLSAS X10", 0, 0, 100},
};

std::string Comillas(std::string s) {
  for (size_t p = s.find('\''); p != std::string::npos; p = s.find('\'', p + 2)) s.insert(p, "'");
  return s;
}
}  // namespace

std::vector<std::string> DescripcionesArticulos() {
  return {"ACEITE GIRASOL 1L", "ARROZ LARGO FINO",  "AZUCAR 1KG",       "BIZCOCHOS DULCES",
          "BOLSAS X10",        "CACAO AMARGO",      "CAFE MOLIDO 500G", "CAFE TOSTADO",
          "CAFE'S O'HIGGINS",  "CALDO DE VERDURAS", "CANELA EN RAMA",   "YERBA MATE"};
}

void ConsultaDePrueba::SetUp() {
  ConBaseSqlite::SetUp();
  FijarCarpeta(carpeta.Ruta());
  Ejecutar(
      "CREATE TABLE V_MA_ARTICULOS (IDARTICULO varchar(25) PRIMARY KEY, DESCRIPCION varchar(100), "
      "PRECIO3 money, SUSPENDIDO bit NOT NULL DEFAULT 0, PUNTOPEDIDO float, Stock float);"
      "CREATE TABLE VT_CLIENTES (CODIGO varchar(15) PRIMARY KEY, RAZON_SOCIAL varchar(200), "
      "CONTACTO varchar(60), Dada_De_Baja bit NOT NULL DEFAULT 0, ZONA int);"
      "INSERT INTO VT_CLIENTES VALUES ('C1', 'ALMACEN SUR', 'ANA', 0, 3), ('C2', 'BAZAR NORTE', 'LUIS', 1, 3), "
      "('C3', 'KIOSCO CENTRO', 'EVA', 0, 1);"
      "CREATE TABLE V_TA_VENDEDORES (IDVENDEDOR varchar(4) PRIMARY KEY, NOMBRE varchar(60));"
      "INSERT INTO V_TA_VENDEDORES VALUES ('  12', 'PEREZ'), ('   7', 'GOMEZ');"
      "CREATE TABLE T_SALDOS (ID int, CODIGO varchar(10), NOMBRE varchar(60), SALDO money);"
      "INSERT INTO T_SALDOS VALUES (1, 'A', 'UNO', 10), (2, 'B', 'DOS', 20);");
  for (const Articulo& a : kFilas)
    Ejecutar(std::string("INSERT INTO V_MA_ARTICULOS VALUES ('") + a.codigo + "', '" + Comillas(a.descripcion) +
             "', 1.5, " + std::to_string(a.suspendido) + ", " + std::to_string(a.puntoPedido) + ", " +
             std::to_string(a.stock) + ")");
}

void ConsultaDePrueba::TearDown() {
  FijarCarpeta("");
  ConBaseSqlite::TearDown();
}

std::vector<std::string> ConsultaDePrueba::Textos(const Lib_FrmCons3Modelo& m, size_t columna) {
  std::vector<std::string> r;
  for (size_t p = 0; p < m.Filas().Cantidad(); ++p) r.emplace_back(m.Filas().Celda(m.Filas().EnPosicion(p), columna));
  return r;
}

std::string ConsultaDePrueba::Seleccionada(const Lib_FrmCons3Modelo& m, size_t columna) {
  return m.FilaSeleccionada() < 0 ? "" : std::string(m.Filas().Celda(size_t(m.FilaSeleccionada()), columna));
}

void ConsultaDePrueba::Elegir(Lib_FrmCons3Modelo& m, const std::string& texto) {
  for (size_t f = 0; f < m.Filas().Cantidad(); ++f)
    if (m.Filas().Celda(f, 0) == texto) m.ListView1_ItemClick(f);
}
