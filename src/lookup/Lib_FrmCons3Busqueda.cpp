// The list lookup window: search as you type, the F5 filter, a new search,
// sorting and the keys.
#include "lookup/FiltroConsulta.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "sivlib/Texto.h"

int32_t Lib_FrmCons3Modelo::Busqueda(int16_t Clave, const std::string& QueValor) {
  if (Clave < 0) return 0;
  const size_t posicion = filas_.Buscar(size_t(Clave), QueValor);
  return posicion == FilasConsulta::npos ? 0 : int32_t(posicion + 1);
}

void Lib_FrmCons3Modelo::Seleccionar(long fila) {
  seleccionada_ = fila;
  if (!cargando_) vista_->SeleccionCambiada();
}

void Lib_FrmCons3Modelo::CmbSearch_Escribir(int16_t Index, const std::string& texto) {
  ventana_.FijarTexto(CmbSearch(Index), texto);
  CmbSearch_Change(Index);
}

void Lib_FrmCons3Modelo::CmbSearch_Change(int16_t Index) {
  const int32_t posicion = Busqueda(Index, texto::Recortado(CmbSearch(Index).texto));
  if (posicion > 0) Seleccionar(long(filas_.EnPosicion(size_t(posicion - 1))));
}

void Lib_FrmCons3Modelo::CmbSearch_GotFocus(int16_t Index) { cajaActual_ = Index; }

bool Lib_FrmCons3Modelo::CmbSearch_KeyDown(int16_t Index, TeclaLista tecla) {
  switch (tecla) {
    case TeclaLista::F5: FiltrarF5(Index); return true;
    case TeclaLista::Arriba:
    case TeclaLista::Abajo:
    case TeclaLista::RePag:
    case TeclaLista::AvPag:
      ListView1_KeyDown(tecla, false);
      vista_->EnfocarLista();
      return true;
    default: return false;
  }
}

void Lib_FrmCons3Modelo::FiltrarF5(int16_t Index) {
  ControlVentana& caja = CmbSearch(Index);
  FiltroF5 filtro{caja.dataField, caja.texto, CfgUsaConsultaLIKE};
  SQL = SentenciaFiltrada(SQL, base_, filtro);
  ventana_.FijarTexto(caja, "");
  base_ = SQL;
  Form_Load();
}

void Lib_FrmCons3Modelo::CmdNueva_Click() {
  SQL = sentenciaInicial_;
  Form_Load();
  vista_->EnfocarCaja(0);
}

void Lib_FrmCons3Modelo::ListView1_ColumnClick(size_t columna) {
  ordenada_ = true;
  columnaOrden_ = columna;
  descendente_ = !descendente_;
  AplicarOrden();
}

void Lib_FrmCons3Modelo::ListView1_ItemClick(size_t fila) {
  if (fila < filas_.Cantidad()) seleccionada_ = long(fila);
}

void Lib_FrmCons3Modelo::ListView1_ItemCheck(size_t fila, bool marcada) {
  if (fila < filas_.Cantidad()) filas_.Marcar(fila, marcada);
}

bool Lib_FrmCons3Modelo::ListView1_KeyDown(TeclaLista tecla, bool shift, const std::string& texto) {
  if (tecla == TeclaLista::Espacio && CheckBoxes) {
    if (seleccionada_ >= 0) {
      filas_.Marcar(size_t(seleccionada_), !filas_.Marcada(size_t(seleccionada_)));
      vista_->FilasCambiadas();
    }
    return true;
  }
  if (tecla == TeclaLista::Enter) {
    CmdAceptar_Click();
    return true;
  }
  if (UsaCantidades && tecla == TeclaLista::Insertar) {
    if (shift) PedirCantidad();
    else CambiarCantidad(+1);
    return true;
  }
  if (UsaCantidades && tecla == TeclaLista::Suprimir) {
    CambiarCantidad(-1);
    return true;
  }
  // Typing in the list goes on in the search box that last had the focus.
  if (tecla == TeclaLista::Caracter || tecla == TeclaLista::Espacio || tecla == TeclaLista::Retroceso) {
    ControlVentana& caja = CmbSearch(cajaActual_);
    std::string nuevo = caja.texto;
    if (tecla == TeclaLista::Retroceso) {
      // Back over one whole character, however many bytes it takes.
      while (!nuevo.empty() && (static_cast<unsigned char>(nuevo.back()) & 0xC0) == 0x80) nuevo.pop_back();
      if (!nuevo.empty()) nuevo.pop_back();
    } else {
      nuevo += tecla == TeclaLista::Espacio ? std::string(" ") : texto;
    }
    vista_->EnfocarCaja(cajaActual_);
    CmbSearch_Escribir(int16_t(cajaActual_), nuevo);
    return true;
  }
  return false;
}

void Lib_FrmCons3Modelo::ListView1_DblClick() { CmdAceptar_Click(); }

bool Lib_FrmCons3Modelo::Form_KeyDown(TeclaLista tecla) {
  if (tecla != TeclaLista::F12 || !articulos_) return false;
  InformarFaltante();
  return true;
}
