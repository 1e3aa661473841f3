#include "lookup/Lib_FrmCons3TreeModelo.h"

#include "db/Pasos.h"
#include "lookup/arbol/BusquedaArbol.h"
#include "lookup/arbol/CodigoEnTablas.h"
#include "lookup/arbol/FiltroArbol.h"
#include "lookup/arbol/FilasArbol.h"
#include "lookup/arbol/SentenciaFamilias.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

constexpr const char* kClaveRaiz = "A";
constexpr const char* kTextoRaiz = "Consulta...";

Manejador DialogoDe(const std::string& rutina) {
  return [rutina](const ErrorSistema& e) { return DecisionDeRespuesta(MostrarError(e, rutina)); };
}

// The code of a node is its key without the leading "A".
std::string CodigoDe(const NodoArbol& nodo) { return nodo.clave.substr(1); }

}  // namespace

Lib_FrmCons3TreeModelo::Lib_FrmCons3TreeModelo() : ventana_("Lib_FrmCons3Tree") {
  ventana_.caption = kTextoRaiz;
  ventana_.Agregar(ControlDeTipo("picFields", "PictureBox"));
  ventana_.Agregar(ControlDeTipo("TreeV", "TreeView"));
  ControlVentana busqueda = ControlDeTipo("CmbSearch", "ComboBox");
  busqueda.indice = 0;
  busqueda.ayuda = "F5 realiza nueva busqueda";
  ventana_.Agregar(std::move(busqueda));
  ventana_.Agregar(ControlDeTipo("Frame1", "Frame"));
  ventana_.Agregar(Boton("CmdAceptar", "&Aceptar"));
  ventana_.Agregar(Boton("CmdCancelar", "&Cancelar"));
  ventana_.Agregar(Boton("CmdNueva", "&Nueva Busqueda"));
}

ControlVentana& Lib_FrmCons3TreeModelo::CajaBusqueda() { return *ventana_.Control("CmbSearch", 0); }

void Lib_FrmCons3TreeModelo::SeleccionarNodo(int nodo) {
  seleccionado_ = nodo >= 0 && nodo < nodos_.Cantidad() ? nodo : -1;
}

void Lib_FrmCons3TreeModelo::Form_Load() {
  Valores = NuevaColeccion();
  casillas_ = CheckBoxes;
  if (EsSentenciaFamilias(SQL)) ArmarTreeVFamilias();
  else ArmarTreeVAutomatico();
}

void Lib_FrmCons3TreeModelo::ArmarTreeVFamilias() {
  SQL = SentenciaFamilias();
  // A family met twice (a code padded two ways) is shown once, without a dialog.
  ArmarArbol(3, &Lib_FrmCons3TreeModelo::AgregarFamilia, true);
}

void Lib_FrmCons3TreeModelo::ArmarTreeVAutomatico() {
  ArmarArbol(2, &Lib_FrmCons3TreeModelo::AgregarPorPrefijo, false);
}

void Lib_FrmCons3TreeModelo::ArmarArbol(int columnas, AgregarFila agregar, bool omitirRepetidas) {
  ++version_;
  seleccionado_ = -1;
  nodos_.Limpiar();
  nodos_.Agregar(-1, kClaveRaiz, kTextoRaiz);
  // A blank statement (nothing handed over) has no rows to ask for.
  if (texto::Recortado(SQL).empty()) return;
  const Manejador dialogo = DialogoDe("ArmarTreeVAutomatico");
  const Manejador manejar = [&](const ErrorSistema& e) {
    if (omitirRepetidas && e.numero == errores_arbol::ClaveRepetida) return Decision::Continuar;
    return dialogo(e);
  };
  for (const FilaArbol& fila : LeerFilasArbol(SQL, columnas, dialogo))
    if (!EjecutarPasos({[&] { return (this->*agregar)(fila); }}, manejar)) return;
}

ErrorSistema Lib_FrmCons3TreeModelo::AgregarFamilia(const FilaArbol& fila) {
  const std::string codigo = SinNulo(fila[0]);
  const std::string clavePadre = fila[2].EsNulo() || fila[2].EsVacio() ? kClaveRaiz : "A" + SinNulo(fila[2]);
  const int padre = nodos_.Indice(clavePadre);
  if (padre < 0) return {errores_arbol::ElementoNoEncontrado, "Element not found", "TreeView"};
  return nodos_.Agregar(padre, "A" + codigo, codigo + " - " + SinNulo(fila[1]));
}

ErrorSistema Lib_FrmCons3TreeModelo::AgregarPorPrefijo(const FilaArbol& fila) {
  const std::string codigo = SinNulo(fila[0]);
  const std::string clave = "A" + codigo;
  return nodos_.Agregar(nodos_.PrefijoMasLargo(clave), clave, codigo + " - " + SinNulo(fila[1]));
}

void Lib_FrmCons3TreeModelo::CmbSearch_Change() {
  const int hallado = BuscarNodo(nodos_, CajaBusqueda().texto);
  if (hallado >= 0) seleccionado_ = hallado;
}

void Lib_FrmCons3TreeModelo::CmbSearch_F5() {
  ControlVentana& caja = CajaBusqueda();
  caja.dataField = kCampoFiltroArbol;
  SQL = SentenciaFiltradaArbol(SQL, caja.texto);
  ventana_.FijarTexto(caja, "");
  Form_Load();
}

void Lib_FrmCons3TreeModelo::CmdNueva_Click() {
  if (EsSentenciaFamilias(SQL)) ArmarTreeVFamilias();
  else ArmarTreeVAutomatico();
}

void Lib_FrmCons3TreeModelo::TreeV_NodeCheck(int nodo, bool marcado) { nodos_.Marcar(nodo, marcado, kNivelesMarcados); }

void Lib_FrmCons3TreeModelo::CmdAceptar_Click() {
  if (CheckBoxes) DevolverMarcados();
  else DevolverSeleccionado();
}

void Lib_FrmCons3TreeModelo::DevolverMarcados() {
  if (!Valores) Valores = NuevaColeccion();
  const auto donde = TablasDelCampo(CampoDevuelto);
  if (!donde) return;
  const bool buscarFila = donde->campo == "IDPOSICION";
  const Manejador dialogo = DialogoDe("HScroll1_Change");
  for (int n : nodos_.EnOrdenDeArbol()) {
    if (!nodos_[n].marcado) continue;
    const std::string codigo = CodigoDe(nodos_[n]);
    if (!buscarFila) {
      Valores->push_back(texto::Recortado(codigo));
      continue;
    }
    // A position the table does not hold returns nothing.
    std::optional<std::string> valor;
    if (!EjecutarPasos({[&] {
                         ErrorSistema e;
                         valor = BuscarCodigo(*donde, codigo, e);
                         return e;
                       }},
                       dialogo))
      return;
    if (valor) Valores->push_back(*valor);
  }
}

void Lib_FrmCons3TreeModelo::DevolverSeleccionado() {
  const auto donde = TablasDelCampo(CampoDevuelto);
  if (!donde) return;
  // Nothing selected picks nothing, as the root does.
  if (seleccionado_ < 0) {
    ValorDevuelto = Variant(std::string());
    return;
  }
  const std::string codigo = CodigoDe(nodos_[seleccionado_]);
  EjecutarPasos({[&] {
                  ErrorSistema e;
                  ValorDevuelto = Variant(BuscarCodigo(*donde, codigo, e).value_or(std::string()));
                  return e;
                }},
                DialogoDe("HScroll1_Change"));
}

void Lib_FrmCons3TreeModelo::CmdCancelar_Click() {
  ValorDevuelto = Variant(std::string());
  CmpsDevueltos.reset();
  Valores.reset();
}

void Lib_FrmCons3TreeModelo::Form_Unload() {
  ++version_;
  seleccionado_ = -1;
  nodos_.Limpiar();
}
