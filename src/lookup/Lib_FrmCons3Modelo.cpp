// The list lookup window: its controls, the load and the rows.
#include "lookup/Lib_FrmCons3Modelo.h"

#include <cmath>

#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/TratamientoErrores.h"
#include "lookup/BaseSecundaria.h"
#include "sivlib/PreparacionVentana.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

VistaLista& SinVista() {
  static VistaLista nada;
  return nada;
}

ControlVentana CajaBusqueda(int indice) {
  ControlVentana c = ControlDeTipo("CmbSearch", "ComboBox");
  c.indice = indice;
  return c;
}

// The word after the first "from": the table the statement reads.
std::string TablaDeSentencia(const std::string& sql) {
  const size_t desde = texto::BuscarSinCaso(sql, "from");
  if (desde == std::string::npos) return "";
  const size_t inicio = sql.find_first_not_of(' ', desde + 4);
  if (inicio == std::string::npos) return "";
  const size_t fin = sql.find(' ', inicio);
  return texto::Recortado(sql.substr(inicio, fin == std::string::npos ? std::string::npos : fin - inicio));
}

// A stock figure as the decimal the stock colours compare: 4 places (a null is 0).
double Decimal4(const Variant& v) { return std::round(v.Numero() * 10000) / 10000; }

Manejador DialogoCarga() {
  return [](const ErrorSistema& e) {
    return DecisionDeRespuesta(TratamientoErroresGeneral(e, std::nullopt, std::string("FORM_LOAD")));
  };
}

}  // namespace

Lib_FrmCons3Modelo::Lib_FrmCons3Modelo() : ventana_("Lib_FrmCons3"), vista_(&SinVista()) {
  AnchoLetras = [](int letras) { return letras * lista_consulta::kTwipsPorLetra; };
  ventana_.caption = "Consulta...";
  ventana_.Agregar(ControlDeTipo("picFields", "PictureBox"));
  ventana_.Agregar(ControlDeTipo("ListView1", "ListView"));
  ControlVentana caja0 = CajaBusqueda(0);
  caja0.ayuda = "F5 realiza nueva busqueda";
  ventana_.Agregar(std::move(caja0));
  ventana_.Agregar(ControlDeTipo("HScroll1", "HScrollBar"));
  ventana_.Agregar(ControlDeTipo("Frame1", "Frame"));
  ventana_.Agregar(Boton("CmdAceptar", "&Aceptar"));
  ventana_.Agregar(Boton("CmdCancelar", "&Cancelar"));
  ventana_.Agregar(Boton("CmdNueva", "&Nueva Busqueda"));
  ventana_.Agregar(Boton("CmdNuevo", "N&uevo"));
  ventana_.Agregar(Boton("CmdTodos", "&Marcar"));
  ventana_.Agregar(Etiqueta("Label1", -1, "CONSULTA"));
}

void Lib_FrmCons3Modelo::UsarVista(VistaLista* vista) { vista_ = vista ? vista : &SinVista(); }

ControlVentana& Lib_FrmCons3Modelo::CmbSearch(int indice) {
  ControlVentana* c = ventana_.Control("CmbSearch", indice);
  return c ? *c : *ventana_.Control("CmbSearch", 0);
}

int Lib_FrmCons3Modelo::CantidadCajas() const {
  int n = 0;
  for (const ControlVentana& c : ventana_.Controles()) n += c.indice >= 0 && c.nombre == "CmbSearch";
  return n;
}

Variant Lib_FrmCons3Modelo::ColorDeFila(size_t fila) const {
  if (!texto::IgualesSinCaso(MuestraStock, "SI") || !articulos_ || fila >= filas_.Cantidad()) return {};
  const Variant* niveles[] = {nullptr, &StkNivel1, &StkNivel2, &StkNivel3, &StkNivel4};
  const uint8_t nivel = filas_.Nivel(fila);
  if (nivel == 0 || texto::Recortado(niveles[nivel]->Texto()).empty()) return {};
  return *niveles[nivel];
}

void Lib_FrmCons3Modelo::Form_Load() {
  articulos_ = texto::ContieneSinCaso(SQL, "articulos");
  Valores = NuevaColeccion();
  Cantidades = NuevaColeccion();
  vista_->AntesDeCargar();
  cargando_ = true;
  filas_.Vaciar(0);
  seleccionada_ = -1;
  if (texto::Recortado(SQL).empty()) {
    PrepararVentana(ventana_, false);
    cargando_ = false;
    vista_->ListaCargada();
    return;
  }
  SQL += " ";
  tabla_ = TablaDeSentencia(SQL);
  if (sentenciaInicial_.empty()) sentenciaInicial_ = SQL;
  base_ = SQL;
  DB_Dll& db = UsarUDBC ? BaseSecundariaConsultas() : DB();
  db.AbrirRecordset(SQL, rs_, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1, true);
  Encolumnar();
  Leer();
  if (OrdenarPorLwv) {
    ordenada_ = true;
    columnaOrden_ = 0;
    descendente_ = false;
  }
  AplicarOrden();
  if (!texto::Recortado(FiltroInicial).empty()) CmbSearch_Escribir(0, FiltroInicial);
  db.CierraRecordset(rs_);
  // The operator sees a row highlighted from the start, so Enter picks it.
  if (seleccionada_ < 0 && filas_.Cantidad() > 0) seleccionada_ = long(filas_.EnPosicion(0));
  LeerAnchos();
  CalcularAncho();
  PrepararVentana(ventana_, false);
  cargando_ = false;
  vista_->ListaCargada();
}

void Lib_FrmCons3Modelo::Encolumnar() {
  columnas_.clear();
  const bool deArticulos = columnas::DeArticulos(SQL);
  for (long i = 0; i < rs_.FieldCount(); ++i) {
    const Campo& campo = *rs_.Fields(i);
    if (!ventana_.Control("CmbSearch", int(i))) ventana_.Agregar(CajaBusqueda(int(i)));
    ControlVentana& caja = CmbSearch(int(i));
    caja.dataField = campo.Name();
    caja.visible = true;
    columnas_.push_back(columnas::DeCampo(campo, deArticulos, ValoresDefault, AnchoLetras));
  }
}

uint8_t Lib_FrmCons3Modelo::NivelStock(long indicePuntoPedido, long indiceStock) {
  if (indicePuntoPedido < 0 || indiceStock < 0) return 0;
  const double p = Decimal4(rs_.Fields(indicePuntoPedido)->Value());
  const double s = Decimal4(rs_.Fields(indiceStock)->Value());
  if (p == 0 && s > 0) return 1;
  if (p > 0 && s > p) return 2;
  if (p > 0 && s < p) return 3;
  return 4;
}

void Lib_FrmCons3Modelo::Leer() {
  filas_.Vaciar(size_t(rs_.FieldCount()));
  if (rs_.BOF() || rs_.Eof()) return;
  // The fields keep their places from row to row: look them up once.
  const auto indice = [&](const char* nombre) {
    for (long i = 0; i < rs_.FieldCount(); ++i)
      if (texto::IgualesSinCaso(rs_.Fields(i)->Name(), nombre)) return i;
    return -1L;
  };
  const long puntoPedido = articulos_ ? indice("PUNTOPEDIDO") : -1;
  const long stock = articulos_ ? indice("Stock") : -1;
  const long devuelto = CheckBoxes && !ValoresDefault.empty() ? indice(CampoDevuelto.c_str()) : -1;
  std::vector<std::string> celdas(size_t(rs_.FieldCount()));
  const Manejador manejar = DialogoCarga();
  while (!rs_.Eof()) {
    for (long i = 0; i < rs_.FieldCount(); ++i) celdas[size_t(i)] = SinNulo(rs_.Fields(i)->Value());
    celdas[0] = texto::Recortado(celdas[0]);
    filas_.Agregar(celdas, NivelStock(puntoPedido, stock));
    if (devuelto >= 0) {
      const std::string valor = texto::Recortado(SinNulo(rs_.Fields(devuelto)->Value()));
      if (!valor.empty() && texto::ContieneSinCaso(ValoresDefault, valor)) filas_.Marcar(filas_.Cantidad() - 1, true);
    }
    if (!EjecutarPasos({[&] { return rs_.MoveNext(); }}, manejar)) break;
  }
}

void Lib_FrmCons3Modelo::AplicarOrden() {
  if (!ordenada_) return;
  if (!cargando_) vista_->AntesDeOrdenar();
  filas_.Ordenar(columnaOrden_, descendente_);
  if (!cargando_) vista_->OrdenCambiado();
}
