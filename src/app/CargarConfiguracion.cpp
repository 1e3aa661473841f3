#include "app/CargarConfiguracion.h"

#include <cmath>
#include <limits>
#include <optional>

#include "db/DB_Dll.h"
#include "services/Configuracion.h"
#include "services/TextoSql.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

bool gMostrarStockEnConsultas = false, gExigeClaveConsultaLikeArticulos = false, gUsaConsultaLike = false,
     gUsaMultiplesMonedas = false, gUsaFacturaProforma = false, gUsaCCosto = false, gUsaStkStockUdKg = false,
     gValidaCodigoBarra = false, gBloqueoActivo = false;
bool gModuloOrdenDeTrabajo = false;
bool gVModificaCPrecio = false, gCModificaCPrecio = false, gMaderera = false, gPideClaveStockNeg = false,
     gPideClaveMarkUpBase = false, gPideClaveLimiteCredito = false;
std::string gTituloClientes, gTituloProveedores, gUnidadDeMedidaM3, gUnidadDeMedidaBL, gUnidadDeMedidaKG;
std::string gMadTiras, gMadP2, gMadML, gMadM2, gMadHojas, gMadMLP2, gMadM2P2, gMadMLM2;
std::string gCuentaCtroDist, gTopDefault;
int16_t gPeriodo = 0, gCondIvaEmpresa = 0;
double gMaxDto = 0, gMaxDtoProforma = 0;
std::string gUnidadNegocio;
bool gRazonSocialPorUnidad = false, gLoteAutomaticoIng = false, gLoteAutomaticoIngOP = false;
std::string gRutaDocumentosTareas;

namespace {

// "SI" flag: the value as read equals "SI" (any case); `recortar` for the
// keys whose rule trims it first.
bool FlagSi(const std::string& clave, bool recortar = false) {
  const std::string v = Cfg(clave);
  return texto::IgualesSinCaso(recortar ? texto::Recortado(v) : v, "SI");
}

// "NO" flag: true unless the trimmed value is "NO"; a missing key gives true.
bool FlagNo(const std::string& clave) { return !texto::IgualesSinCaso(texto::Recortado(Cfg(clave)), "NO"); }

bool FlagTresEstados(const std::string& clave) {
  const std::string v = Cfg(clave);
  return !texto::Recortado(v).empty() && !texto::IgualesSinCaso(v, "NO");
}

std::string Texto(const std::string& clave) { return texto::Recortado(Cfg(clave)); }

// A number that must fit its variable; a value out of its range is a
// failed step, and the variable keeps what it held.
template <typename T>
std::optional<T> Numero(double valor) {
  const double redondeado = std::nearbyint(valor);
  if (redondeado < std::numeric_limits<T>::min() || redondeado > std::numeric_limits<T>::max()) return std::nullopt;
  return static_cast<T>(redondeado);
}

// The numeric prefix of the text ("12abc" gives 12, "abc" 0).
void Entero16(const std::string& clave, int16_t& destino) {
  if (auto n = Numero<int16_t>(Val(Cfg(clave)))) destino = *n;
}

void Color(const std::string& clave, int32_t siCero, int32_t& destino) {
  if (auto c = Numero<int32_t>(ValorNumerico(Cfg(clave)))) destino = *c == 0 ? siCero : *c;
}

void LeerUsuario() {
  DB_Dll& db = DB();
  Recordset rs;
  db.AbrirRecordset(
      "Select * from ta_usuarios  with(nolock)  where Nombre = '" + ComillasDobladas(gUsuarioLogeado) + "'", rs,
      nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura);
  if (rs.State() == estado_objeto::Abierto && !rs.Eof()) {
    gUnidadNegocio = SinNulo(rs.Valor("Unegocio"));
    // An empty (NULL) or unreadable column is a failed read: the flag keeps
    // what the configuration said.
    ErrorSistema error;
    const Variant proforma = rs.Valor("verproforma", &error);
    if (gUsaFacturaProforma && !error.HayError() && !proforma.EsNulo() && !proforma.EsVacio())
      gUsaFacturaProforma = proforma.Logico();
  }
  db.CierraRecordset(rs);
  if (gUnidadNegocio.empty()) gUnidadNegocio = "   1";
}

void LeerCondicionIva() {
  int16_t condicion = 0;
  Entero16("CONDIVAEMPRESA", condicion);
  if (condicion == 0) Entero16("CONDIVA", condicion);
  gCondIvaEmpresa = condicion == 0 ? 1 : condicion;
}

}  // namespace

void CargarConfiguracion(const std::string& carpetaAplicacion) {
  gTablaConfiguracion = "ta_configuracion";

  gMostrarStockEnConsultas = FlagSi("MostrarStockenConsultas");
  gTituloClientes = Texto("TituloClientes");
  gTituloProveedores = Texto("TituloProveedores");
  gRutaDocumentosTareas = carpetaAplicacion + "PXDOCTareas.prx";
  gExigeClaveConsultaLikeArticulos = FlagSi("EXIGECLAVECONSULTALIKEARTICULOS");
  gUsaConsultaLike = FlagSi("UsaConsultaLike");
  gDecimalesMoneda = Cfg("CantidadDecimales");
  gConfidencialidad = FlagSi("SS_CONFIDENCIALIDAD");
  gUsaMultiplesMonedas = FlagSi("UsaMultilesMonedas");
  gUsaFacturaProforma = FlagSi("UsaFacturaProforma");
  gUsaCCosto = FlagSi("USACCOSTO");
  gUsaStkStockUdKg = FlagSi("USA_STK_STOCK_UDKG");

  LeerUsuario();

  gUnidadDeMedidaM3 = Texto("UNIDADDEMEDIDA_M3");
  gUnidadDeMedidaBL = Texto("UNIDADDEMEDIDA_BL");
  gUnidadDeMedidaKG = Texto("UNIDADDEMEDIDA_KG");
  Entero16("PERIODO", gPeriodo);
  gRazonSocialPorUnidad = FlagSi("RazonSocialPorUneg", true);
  gValidaCodigoBarra = FlagSi("VALIDACODIGOBARRA", true);

  Color("CFondo", 0xFFFF00, gColorFondo);
  Color("CLetra", 0, gColorLetra);

  gModuloOrdenDeTrabajo = FlagNo("ModuloOrdenDeTrabajo");
  gVModificaCPrecio = FlagTresEstados("V_ModificaCPrecio");
  gCModificaCPrecio = FlagTresEstados("C_ModificaCPrecio");
  gMaderera = FlagTresEstados("MADERERA");
  gMadTiras = Texto("MAD_TIRAS");
  gMadP2 = Texto("MAD_P2");
  gMadML = Texto("MAD_ML");
  gMadM2 = Texto("MAD_M2");
  gMadHojas = Texto("MAD_HOJAS");
  gMadMLP2 = Texto("MAD_ML_P2");
  gMadM2P2 = Texto("MAD_M2_P2");
  gMadMLM2 = Texto("MAD_ML_M2");
  gCuentaCtroDist = Texto("CuentaCtroDist");
  gMaxDto = ValorNumerico(Cfg("MaxDto"));
  gMaxDtoProforma = ValorNumerico(Cfg("MaxDtoProforma"));
  gPideClaveStockNeg = FlagTresEstados("PideClave_StockNeg");
  gPideClaveMarkUpBase = FlagTresEstados("PideClave_MarkUpBase");
  gPideClaveLimiteCredito = FlagTresEstados("PideClave_LimiteCredito");
  gBloqueoActivo = FlagSi("SS_BloqueoActivo");
  gUtilizarFechaDia = FlagSi("UTILIZARFECHADIA");
  gLoteAutomaticoIng = FlagSi("AsignacionAutomaticaDeLoteING");
  gLoteAutomaticoIngOP = FlagSi("AsignacionAutomaticaDeLoteINGOP");
  LeerCondicionIva();
  gTopDefault = Cfg("Top_Default");
  if (texto::Recortado(gTopDefault).empty()) gTopDefault = "1000";
}
