// The list lookup window: what it returns (accept, cancel), marks,
// quantities, a new record and the shortage report.
#include "db/DB_Dll.h"
#include "lookup/AltaArticulo.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "lookup/MenuExes.h"
#include "services/Configuracion.h"
#include "services/FmtMoneda.h"
#include "services/TextoSql.h"
#include "sivlib/FechaHora.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

// A quantity as "########0.0" / "########0.00" write it.
std::string Cantidad(double valor, int decimales) { return FmtMoneda(TextoDeNumero(valor, '.'), decimales, false); }

// "N&uevo": the program that maintains the records of a table, with its parameter.
struct ProgramaAlta {
  const char* opcion;
  std::string parametro;
};

ProgramaAlta ProgramaDeTabla(const std::string& tabla) {
  if (EstaEnLista(tabla, {"VT_CLIENTES"})) return {"SHELL:V_MA_CLIENTES", "1"};
  if (EstaEnLista(tabla, {"VT_PROVEEDORES"})) return {"SHELL:V_MA_CLIENTES", "0"};
  if (EstaEnLista(tabla, {"V_TA_Tecnicos"})) return {"SHELL:V_TA_Tecnicos", ""};
  if (EstaEnLista(tabla, {"V_TA_VENDEDORES"})) return {"SHELL:V_TA_VENDEDORES", ""};
  if (EstaEnLista(tabla, {"V_MA_ARTICULOS", "VT_MA_ARTICULOS"})) return {"SHELL:V_MA_ARTICULOS", ""};
  // "V_TA_RUBROS", "V_TA_UNIDAD" and every other table: the general tables program.
  return {"SHELL:V_TA_TABLAS", tabla};
}

}  // namespace

int16_t Lib_FrmCons3Modelo::IndiceColumna(const std::string& Columna) const {
  const std::string buscada = texto::Recortado(Columna);
  for (size_t k = 0; k < columnas_.size(); ++k)
    if (texto::IgualesSinCaso(texto::Recortado(columnas_[k].titulo), buscada)) return int16_t(k + 1);
  return 0;
}

std::string Lib_FrmCons3Modelo::ValorEnColumna(size_t fila, int16_t k) const {
  return k <= 0 ? std::string() : std::string(filas_.Celda(fila, size_t(k - 1)));
}

void Lib_FrmCons3Modelo::CmdAceptar_Click() {
  if (!Valores) Valores = NuevaColeccion();
  if (CheckBoxes) {
    if (CampoDevuelto.empty() && !columnas_.empty()) CampoDevuelto = columnas_[0].titulo;
    const int16_t k = IndiceColumna(CampoDevuelto);
    for (size_t p = 0; p < filas_.Cantidad(); ++p) {
      const size_t fila = filas_.EnPosicion(p);
      if (filas_.Marcada(fila)) Valores->push_back(ValorEnColumna(fila, k));
    }
  } else if (seleccionada_ >= 0) {
    const size_t fila = size_t(seleccionada_);
    // A name that matches no column returns empty text, never another column's value.
    std::string valor;
    if (CmpsDevueltos)
      for (const std::string& nombre : *CmpsDevueltos) {
        valor = ValorEnColumna(fila, IndiceColumna(nombre));
        Valores->push_back(valor);
      }
    if (!texto::Recortado(CampoDevuelto).empty()) valor = ValorEnColumna(fila, IndiceColumna(CampoDevuelto));
    ValorDevuelto = valor;
  }
  Ocultar();
}

void Lib_FrmCons3Modelo::CmdCancelar_Click() {
  ValorDevuelto = std::string();
  CmpsDevueltos.reset();
  Valores.reset();
  Ocultar();
}

void Lib_FrmCons3Modelo::Ocultar() { vista_->Ocultar(); }

void Lib_FrmCons3Modelo::CmdTodos_Click() {
  for (size_t f = 0; f < filas_.Cantidad(); ++f) filas_.Marcar(f, !filas_.Marcada(f));
  vista_->FilasCambiadas();
}

void Lib_FrmCons3Modelo::CambiarCantidad(double diferencia) {
  const int16_t k = IndiceColumna("Cantidad");
  if (k == 0 || seleccionada_ < 0) return;
  const size_t fila = size_t(seleccionada_);
  const double valor = ValorNumerico(ValorEnColumna(fila, k)) + diferencia;
  filas_.FijarCelda(fila, size_t(k - 1), Cantidad(valor, 1));
  if (diferencia > 0) filas_.Marcar(fila, true);
  if (valor <= 0) {
    filas_.Marcar(fila, false);
    filas_.FijarCelda(fila, size_t(k - 1), "0.00");
  }
  vista_->FilasCambiadas();
}

void Lib_FrmCons3Modelo::PedirCantidad() {
  const int16_t k = IndiceColumna("Cantidad");
  if (k == 0 || seleccionada_ < 0) return;
  const size_t fila = size_t(seleccionada_);
  const std::string ingresado =
      operador().Entrada("Ingrese la Cantidad del Articulo...", "Carga de Datos", ValorEnColumna(fila, k));
  // A cancelled box or a text that is no number reads as zero.
  filas_.FijarCelda(fila, size_t(k - 1), Cantidad(ValorNumerico(ingresado), 2));
  filas_.Marcar(fila, true);
  vista_->FilasCambiadas();
}

void Lib_FrmCons3Modelo::CmdNuevo_Click() {
  const std::string tabla = texto::Recortado(tabla_);
  if (EstaEnLista(tabla, {"V_MA_ARTICULOS", "VT_MA_ARTICULOS"}) &&
      texto::IgualesSinCaso(texto::Recortado(Cfg("ArticulosPermitealtaAutomatica")), "SI")) {
    NuevoArticulo();
    return;
  }
  const ProgramaAlta programa = ProgramaDeTabla(tabla);
  int32_t id = 0;
  MenuExes(programa.opcion, programa.parametro, id);
}

void Lib_FrmCons3Modelo::NuevoArticulo() {
  const AltaArticuloDesdeConsulta& alta = AltaArticuloRegistrada();
  if (!alta) return;
  // The next free number among the codes written right-aligned (they begin with a blank).
  const Variant maximo =
      DB().BuscaMaximo("v_ma_articulos", "idarticulo", std::nullopt, std::string("  SUBSTRING(IDARTICULO,1,1) = ' '"));
  const std::string propuesto = Variant(maximo.Numero() + 1).Texto();
  const std::string nuevo = alta(propuesto);
  if (nuevo.empty()) return;
  ValorDevuelto = nuevo;
  Ocultar();
}

void Lib_FrmCons3Modelo::InformarFaltante() {
  if (seleccionada_ < 0) return;
  const size_t fila = size_t(seleccionada_);
  const std::string articulo = ValorEnColumna(fila, IndiceColumna("idarticulo"));
  const std::string descripcion = texto::Recortado(ValorEnColumna(fila, IndiceColumna("Descripcion")));
  const std::string pregunta =
      "Desea informar el articulo " + texto::Recortado(articulo) + " " + descripcion + "\r\ncomo un faltante de stock?";
  if (operador().Mensaje(pregunta, botones::SiNo + botones::Pregunta, "Atención!") != respuesta::Si) return;
  DB().EjecutaConsultaSQL("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('" +
                          FechaHora::Ahora().Regional() + "','" + ComillasDobladas(Recortar(articulo, 25)) + "','" +
                          ComillasDobladas(descripcion) + "','" + ComillasDobladas(DB().gUsuario) + "')");
}
