#pragma once
// The article quick-registration window without widgets: its controls, its
// load step, its commands and keys. An operator at a lookup on articles
// asks for a new one; the window takes the barcode, fetches the description
// from the master barcode service (F7) and registers the article (F2). The
// Qt window FrmArtAlta shows this model; the tests drive it directly.
//
// The caller sets DesdeConsulta and the barcode box, shows the window, and
// reads pAceptar and CodArtNuevo once it hides itself (both buttons hide
// it; neither closes it).
#include <functional>
#include <string>
#include <string_view>

#include "sivlib/ModeloVentana.h"

class FrmArtAltaModelo {
 public:
  FrmArtAltaModelo();
  FrmArtAltaModelo(const FrmArtAltaModelo&) = delete;
  FrmArtAltaModelo& operator=(const FrmArtAltaModelo&) = delete;

  ModeloVentana& Ventana() { return ventana_; }

  // True when the window was left with "Alta", false with "Cancelar".
  bool pAceptar = false;
  // Number of the article registered by the last "Alta" ("1235"); empty
  // when nothing was registered.
  std::string CodArtNuevo;
  // Set by the lookup that opens the window; nothing here depends on it.
  bool DesdeConsulta = false;

  // What the window does for the model: hide itself, and give the focus to
  // a control.
  std::function<void()> alOcultar;
  std::function<void(ControlVentana&)> alEnfocar;

  // Without automatic registration ("ArticulosPermitealtaAutomatica" not
  // "SI") the registration part is hidden, the boxes emptied and "Alta"
  // becomes "Aceptar".
  void Form_Load();
  void CmdAlta_Click();
  void cmdCancelar_Click();
  void CmdMaestro_Click();
  // Window keys, whichever control has the focus: F2 (113) "Alta", Esc (27)
  // "Cancelar", F7 (118) the master base. False for any other key.
  bool Form_KeyDown(int codigoTecla);

  // The description the master barcode service gives for `codigo`; error
  // true and Mensaje set when there is none. LblProceso tells the operator
  // how it went.
  std::string ObtenerDescMaestra(const std::string& codigo, bool& error, std::string& Mensaje);
  // Registers the article of the boxes as the next free number.
  void AltaArticulos();

  // The box with that key ("Codigo", "Descripcion", "Precio").
  ControlVentana& Caja(std::string_view clave);
  // True while the master base is being asked: the commands wait.
  bool Consultando() const { return consultando_; }

 private:
  void Ocultar();
  void Enfocar(ControlVentana& c);
  void FijarProceso(const std::string& texto);
  void HabilitarComandos(bool habilitados);
  // While alive, the commands wait (a nested one does nothing more).
  class Ocupada {
   public:
    explicit Ocupada(FrmArtAltaModelo& v);
    ~Ocupada();
    Ocupada(const Ocupada&) = delete;
    Ocupada& operator=(const Ocupada&) = delete;

   private:
    FrmArtAltaModelo& v_;
    bool propia_;
  };

  ModeloVentana ventana_;
  bool consultando_ = false;
};

namespace alta_articulo {
// Key codes of the window's commands.
inline constexpr int kTeclaAlta = 113, kTeclaCancelar = 27, kTeclaMaestro = 118;
inline constexpr const char* kClaveAltaAutomatica = "ArticulosPermitealtaAutomatica";
inline constexpr const char* kClaveClasePrecio = "ClasePrecioVenta";
}  // namespace alta_articulo
