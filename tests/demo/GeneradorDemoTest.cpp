// The demo ERP database answers the four export queries (here in their
// plain SQLite form) with every kind of row the exports must handle.
#include "demo/GeneradorDemo.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "support/ConsultaSqlite.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Utiles.h"
#include "support/CarpetaPrueba.h"
#include "unifier/ClavesVorna.h"
#include "unifier/CodigosKivo.h"
#include "unifier/FormatoCampos.h"

namespace {

demo::ParametrosDemo Pequena() {
  demo::ParametrosDemo p = demo::ParametrosDeTamano(4000, 300, 60, 8, 10);
  p.destino = "/srv/vorna/";
  p.paquete = 15;
  p.hoy = FechaHora{2024, 12, 8, 15, 30, 12};
  return p;
}

const char* kVentas =
    "SELECT V_MV_Stock.TC || V_MV_Stock.IDCOMPROBANTE AS TRANSACCION, V_MV_Stock.SECUENCIA,"
    " V_MV_Stock.CuentaProveedor AS cuenta, IFNULL(V_MV_Cpte.FECHA, V_MV_Stock.FECHA) AS Fecha, V_MV_Stock.IDVENDEDOR,"
    " V_TA_VENDEDORES.Nombre, CASE WHEN V_MV_Stock.CantidadUD > 0 THEN 'DEV' ELSE 'VEN' END AS TipoVenta,"
    " V_MV_Stock.IDArticulo, v_ma_articulos.CodigoArtProveedor, V_MV_Stock.CantidadUD AS Consumo,"
    " (V_MV_Stock.IMPORTE_S_IVA * V_MV_Stock.Cantidad)"
    " - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento1, 0) / 100 * V_MV_Stock.Cantidad)"
    " - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento2, 0) / 100 * V_MV_Stock.Cantidad)"
    " - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento3, 0) / 100 * V_MV_Stock.Cantidad)"
    " - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento4, 0) / 100 * V_MV_Stock.Cantidad)"
    " - (V_MV_Stock.IMPORTE_S_IVA * V_MV_Stock.DtoItem / 100 * V_MV_Stock.Cantidad) AS ValorVenta,"
    " V_MV_Stock.Costo * V_MV_Stock.Cantidad AS ValorCosto, V_MV_Stock.ArtMoneda, V_MV_Stock.ArtCotizacion,"
    " V_MV_Stock.IVARI, V_MV_Stock.DtoItem, v_ma_articulos.CuentaProveedor"
    " FROM V_MV_Stock LEFT OUTER JOIN V_MV_Cpte ON V_MV_Stock.TC = V_MV_Cpte.TC"
    " AND V_MV_Stock.IDCOMPROBANTE = V_MV_Cpte.IDCOMPROBANTE"
    " left outer join V_MA_ARTICULOS on V_MV_Stock.IDArticulo = v_ma_articulos.IDARTICULO"
    " LEFT OUTER JOIN V_TA_VENDEDORES ON V_MV_Stock.IdVendedor = V_TA_VENDEDORES.IdVendedor"
    " WHERE (V_MV_Stock.Anulado = 0) AND (V_MV_Stock.TC IN ('TK', 'TKFC', 'FC', 'ND', 'NC', 'NCFP', 'FP'))"
    " AND (V_MV_Stock.FECHA>='2024-12-04 00:00:00' AND V_MV_Stock.FECHA<='2024-12-08 15:30:12')"
    " AND v_ma_articulos.CUENTAPROVEEDOR = '21101010029' order by Fecha,secuencia";

const char* kStock = "SELECT * FROM STK_MA_ARTICULOS WHERE CUENTAPROVEEDOR = '21101010029' AND STOCK>=0";
const char* kClientes = "SELECT * FROM VT_CLIENTES WHERE DADA_DE_BAJA=0 AND BLOQUEO=0";
const char* kRutas =
    " select CODIGO, RAZON_SOCIAL , a.IdVendedor, b.Nombre ,ifnull(c.frecuencia,'0000000') as frecuencia"
    " from vt_clientes a left outer join V_TA_VENDEDORES b on a.IdVendedor = b.IdVendedor"
    " left outer join V_TA_FRECUENCIA_VDOR c on a.idvendedor = c.idvendedor and a.CODIGO = c.Cliente"
    " where a.Dada_De_Baja=0 and a.BLOQUEO=0";

class BaseDemo : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    carpeta_ = new CarpetaPrueba;
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(Archivo(), Pequena(), &resumen_, &error)) << error;
  }
  static void TearDownTestSuite() {
    delete carpeta_;
    carpeta_ = nullptr;
  }
  static std::string Archivo() { return *carpeta_ / "erp.sqlite"; }

  BaseSqlite base{Archivo()};
  static CarpetaPrueba* carpeta_;
  static demo::ResumenDemo resumen_;
};
CarpetaPrueba* BaseDemo::carpeta_ = nullptr;
demo::ResumenDemo BaseDemo::resumen_;

std::string Texto(const FilaSqlite& fila, size_t i) { return fila[i] ? *fila[i] : ""; }

TEST_F(BaseDemo, VentasDeTodosLosTiposEnElRangoConDevolucionesYProformas) {
  const auto filas = base.Filas(kVentas);
  ASSERT_GT(filas.size(), 300u);
  std::set<std::string> clientes;
  for (const auto& f : base.Filas("SELECT Codigo FROM VT_CLIENTES")) clientes.insert(*f[0]);
  std::set<std::string> tipos;
  int devoluciones = 0, proformas = 0, sinCliente = 0, sinVendedor = 0;
  std::string anterior;
  for (const auto& f : filas) {
    const std::string transaccion = Texto(f, 0), fecha = Texto(f, 3);
    EXPECT_GE(fecha, "2024-12-04 00:00:00");
    EXPECT_LE(fecha, "2024-12-08 15:30:12");
    EXPECT_EQ(vorna::FechaArchivo(Variant(fecha)).size(), 8u) << fecha;
    EXPECT_LE(anterior, fecha);  // ordered by date
    anterior = fecha;
    EXPECT_EQ(Texto(f, 16), "21101010029");
    EXPECT_FALSE(Texto(f, 8).empty()) << "supplier's article code of " << transaccion;
    EXPECT_GE(std::stod(Texto(f, 10)), 0.0) << transaccion;  // the sale value
    tipos.insert(transaccion.substr(0, transaccion.find_first_of("ABX")));
    if (Texto(f, 6) == "DEV") ++devoluciones;
    if (vorna::TransaccionVorna(transaccion) != transaccion) ++proformas;
    if (!clientes.count(Texto(f, 2))) ++sinCliente;
    if (!f[4]) ++sinVendedor;
  }
  EXPECT_EQ(tipos, (std::set<std::string>{"TK", "TKFC", "FC", "ND", "NC", "NCFP", "FP"}));
  EXPECT_GT(devoluciones, 0);
  EXPECT_GT(proformas, 0);
  EXPECT_GT(sinCliente, 0);  // final consumers and a deleted account
  EXPECT_GT(sinVendedor, 0);
}

TEST_F(BaseDemo, ComprobantesAnuladosSinCabeceraYConDescuentos) {
  const char* ventas = "TC IN ('TK','TKFC','FC','ND','NC','NCFP','FP')";
  EXPECT_EQ(base.Numero(std::string("SELECT count(*) FROM MV_STOCK WHERE ") + ventas), 4000);
  EXPECT_EQ(resumen_.lineasVenta, 4000);
  EXPECT_GT(base.Numero(std::string("SELECT count(*) FROM MV_STOCK WHERE Anulado = 1 AND ") + ventas), 0);
  EXPECT_GT(base.Numero("SELECT count(*) FROM MV_STOCK s LEFT JOIN MV_CPTE c ON s.TC = c.TC"
                        " AND s.IDCOMPROBANTE = c.IDCOMPROBANTE WHERE c.TC IS NULL"),
            0);
  EXPECT_GT(base.Numero("SELECT count(*) FROM MV_CPTE WHERE PorcDescuento1 > 0"), 0);
  EXPECT_GT(base.Numero("SELECT count(*) FROM MV_CPTE WHERE PorcDescuento1 IS NULL"), 0);
  EXPECT_GT(base.Numero("SELECT count(*) FROM MV_STOCK WHERE DtoItem > 0"), 0);
  // Movements the sales file leaves out: purchases, delivery notes, adjustments.
  EXPECT_GT(base.Numero("SELECT count(DISTINCT TC) FROM MV_STOCK WHERE TC IN ('CO','RE','AJ')"), 2);
  // Amounts are real numbers, so the query's divisions keep the cents.
  EXPECT_EQ(base.Numero("SELECT count(*) FROM MV_STOCK WHERE typeof(IMPORTE_S_IVA) <> 'real'"
                        " OR typeof(Cantidad) <> 'real'"),
            0);
}

TEST_F(BaseDemo, FechasIsoEnColumnasDatetimeDeLosUltimosDias) {
  EXPECT_EQ(base.Valor("SELECT min(FECHA) FROM MV_STOCK"), "2024-11-29 00:00:00");
  EXPECT_EQ(base.Valor("SELECT max(FECHA) FROM MV_STOCK"), "2024-12-08 00:00:00");
  EXPECT_EQ(base.Numero("SELECT count(*) FROM MV_STOCK WHERE FECHA NOT GLOB "
                        "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'"),
            0);
  for (const char* vista : {"V_MV_Stock", "V_MV_Cpte"})
    for (const auto& [nombre, tipo] : base.Columnas(std::string("SELECT FECHA FROM ") + vista))
      EXPECT_EQ(tipo, "datetime") << vista;
}

TEST_F(BaseDemo, StockSinNegativosConCerosYSinArticulosDeOtros) {
  const auto columnas = base.Columnas(kStock);
  std::set<std::string> nombres;
  for (const auto& c : columnas) nombres.insert(c.first);
  for (const char* c : {"IdArticulo", "Descripcion", "CodigoArtProveedor", "Stock", "CuentaProveedor"})
    EXPECT_TRUE(nombres.count(c)) << c;
  const auto filas = base.Filas(std::string("SELECT Stock, CodigoArtProveedor FROM (") + kStock + ")");
  ASSERT_GT(filas.size(), 5u);
  int ceros = 0;
  for (const auto& f : filas) {
    EXPECT_GE(std::stod(Texto(f, 0)), 0.0);
    if (vorna::TextoMoneda(std::string_view(Texto(f, 0))) == "0.00") ++ceros;
    EXPECT_FALSE(Texto(f, 1).empty());
  }
  EXPECT_GT(ceros, 0);
  EXPECT_GT(base.Numero("SELECT count(*) FROM STK_MA_ARTICULOS WHERE CUENTAPROVEEDOR = '21101010029' AND STOCK < 0"),
            0);
}

TEST_F(BaseDemo, ClientesActivosConTodosLosCasosDelArchivo) {
  const long total = base.Numero("SELECT count(*) FROM VT_CLIENTES");
  const auto filas = base.Filas(std::string("SELECT Codigo, razon_social, numero_documento, provincia, iva,"
                                            " dada_de_baja, calle FROM (") +
                                kClientes + ")");
  EXPECT_EQ(total, 300);
  EXPECT_LT(long(filas.size()), total);  // deregistered and blocked ones are left out
  EXPECT_GT(long(filas.size()), total * 3 / 4);
  int largos = 0, acentos = 0, fueraDeCodigo = 0, separadores = 0, sinProvincia = 0, sinIva = 0, callesLargas = 0;
  for (const auto& f : filas) {
    const std::string razon = Texto(f, 1), documento = Texto(f, 2);
    EXPECT_EQ(Texto(f, 5), "0");
    if (Recortar(razon, 50) != razon) ++largos;
    if (razon.find("é") != std::string::npos || razon.find("á") != std::string::npos) ++acentos;
    if (ansi::DesdeUtf8(razon).find('?') != std::string::npos && razon.find('?') == std::string::npos) ++fueraDeCodigo;
    if (vorna::DocumentoSinSeparadores(documento) != documento) ++separadores;
    if (ProvinciaSegunKIVO(Texto(f, 3)).empty()) ++sinProvincia;
    if (CondIvaSegunKIVO(Texto(f, 4)).empty()) ++sinIva;
    if (vorna::TextoAjustado(Texto(f, 6)) != Texto(f, 6)) ++callesLargas;
  }
  EXPECT_GT(largos, 0);
  EXPECT_GT(acentos, 0);
  EXPECT_GT(fueraDeCodigo, 0);
  EXPECT_GT(separadores, 0);
  EXPECT_GT(sinProvincia, 0);
  EXPECT_GT(sinIva, 0);
  EXPECT_GT(callesLargas, 0);
  EXPECT_GE(base.Numero("SELECT count(DISTINCT provincia) FROM VT_CLIENTES"), 20);
  EXPECT_EQ(base.Numero("SELECT count(DISTINCT iva) FROM VT_CLIENTES WHERE iva IN ('1','2','3','4','5','6')"), 6);
}

TEST_F(BaseDemo, RutasConYSinVendedorYFrecuencia) {
  const auto filas = base.Filas(kRutas);
  EXPECT_EQ(long(filas.size()), base.Numero(std::string("SELECT count(*) FROM (") + kClientes + ")"));
  int sinVendedor = 0, vendedorDesconocido = 0, sinFrecuencia = 0, conFrecuencia = 0;
  for (const auto& f : filas) {
    const std::string frecuencia = Texto(f, 4);
    ASSERT_EQ(frecuencia.size(), 7u);
    EXPECT_EQ(frecuencia.find_first_not_of("01"), std::string::npos);
    if (!f[2]) ++sinVendedor;
    else if (!f[3]) ++vendedorDesconocido;
    (frecuencia == "0000000" ? sinFrecuencia : conFrecuencia)++;
  }
  EXPECT_GT(sinVendedor, 0);
  EXPECT_GT(vendedorDesconocido, 0);
  EXPECT_GT(sinFrecuencia, 0);
  EXPECT_GT(conFrecuencia, 0);
  // Some sellers plan no visits at all.
  EXPECT_LT(base.Numero("SELECT count(DISTINCT IdVendedor) FROM V_TA_FRECUENCIA_VDOR"),
            base.Numero("SELECT count(*) FROM V_TA_VENDEDORES"));
}

TEST_F(BaseDemo, ElFiltroDeClientesUsaSuIndice) {
  const auto plan = base.Filas(
      "EXPLAIN QUERY PLAN SELECT * FROM VT_CLIENTES WHERE LTRIM(RTRIM(Codigo)) ='11201000007'"
      " LIMIT 1");
  std::string texto;
  for (const auto& f : plan) texto += Texto(f, 3) + "\n";
  EXPECT_NE(texto.find("IX_MA_CLIENTES_CODIGO_RECORTADO"), std::string::npos) << texto;
  EXPECT_EQ(base.Numero("SELECT count(*) FROM VT_CLIENTES WHERE LTRIM(RTRIM(Codigo)) ='11201000007'"), 1);
}

TEST_F(BaseDemo, ConfiguracionDeEsteEquipoYTablasPropias) {
  EXPECT_EQ(base.Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = '" + vorna::ClaveCarpetaDestino() + "'"),
            "/srv/vorna/");
  EXPECT_EQ(vorna::ClaveCarpetaDestino().rfind("UNIFICADOR_VORNA_", 0), 0u);
  EXPECT_EQ(base.Valor("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'nro_paquete'"), "15");
  EXPECT_EQ(base.Valor("SELECT Administrador FROM TA_USUARIOS WHERE Nombre = 'sa'"), "1");
  for (const char* tabla : {"TA_CONFIG_FORM", "AUX_ERR", "Control_Acceso", "TA_MENU", "TA_TAREAS", "V_TA_Cajas"})
    EXPECT_GE(base.Numero(std::string("SELECT count(*) FROM ") + tabla), 0) << tabla;
}

TEST_F(BaseDemo, MismaSemillaMismosDatos) {
  const std::string otra = *carpeta_ / "otra.sqlite";
  std::string error;
  ASSERT_TRUE(demo::GenerarBaseDemo(otra, Pequena(), nullptr, &error)) << error;
  const std::string huella =
      "SELECT (SELECT count(*) || '|' || total(CantidadUD) || '|' || total(IMPORTE_S_IVA) || '|' ||"
      " group_concat(IDCOMPROBANTE) FROM MV_STOCK) || (SELECT group_concat(razon_social || numero_documento)"
      " FROM MA_CLIENTES) || (SELECT group_concat(Descripcion || Stock) FROM STK_MA_ARTICULOS)";
  BaseSqlite copia(otra);
  EXPECT_EQ(copia.Valor(huella), base.Valor(huella));

  demo::ParametrosDemo p = Pequena();
  p.semilla = 7;
  const std::string distinta = *carpeta_ / "distinta.sqlite";
  ASSERT_TRUE(demo::GenerarBaseDemo(distinta, p, nullptr, &error)) << error;
  EXPECT_NE(BaseSqlite(distinta).Valor(huella), base.Valor(huella));
}

TEST(GeneradorDemo, NoPisaUnArchivoSalvoQueSeLePida) {
  CarpetaPrueba carpeta;
  const std::string archivo = carpeta / "erp.sqlite";
  EscribirArchivo(archivo, "datos valiosos");
  demo::ParametrosDemo p = Pequena();
  p.lineas = 100;
  std::string error;
  EXPECT_FALSE(demo::GenerarBaseDemo(archivo, p, nullptr, &error));
  EXPECT_NE(error.find("ya existe"), std::string::npos) << error;
  EXPECT_EQ(LeerArchivo(archivo), "datos valiosos");
  p.reemplazar = true;
  ASSERT_TRUE(demo::GenerarBaseDemo(archivo, p, nullptr, &error)) << error;
  EXPECT_EQ(BaseSqlite(archivo).Numero("SELECT count(*) FROM MV_STOCK WHERE TC = 'FC' OR TC = 'TK' OR TC = 'NC'"
                                       " OR TC = 'FP' OR TC = 'ND' OR TC = 'TKFC' OR TC = 'NCFP'"),
            100);
  EXPECT_FALSE(Existe(archivo + ".generando"));
}

TEST(GeneradorDemo, ParametrosInvalidosNoCreanNada) {
  CarpetaPrueba carpeta;
  auto conCambio = [](auto cambio) {
    demo::ParametrosDemo p = Pequena();
    cambio(p);
    return p;
  };
  const demo::ParametrosDemo invalidos[] = {
      conCambio([](auto& p) { p.clientes = 0; }),   conCambio([](auto& p) { p.articulos = 2; }),
      conCambio([](auto& p) { p.vendedores = 0; }), conCambio([](auto& p) { p.dias = 0; }),
      conCambio([](auto& p) { p.lineas = -1; }),
  };
  for (const auto& p : invalidos) {
    std::string error;
    EXPECT_FALSE(demo::GenerarBaseDemo(carpeta / "x.sqlite", p, nullptr, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(Existe(carpeta / "x.sqlite"));
  }
  std::string error;
  EXPECT_FALSE(demo::GenerarBaseDemo(carpeta / "no/existe/x.sqlite", Pequena(), nullptr, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
