#pragma once
// The frame every main window of the code base gets: the program's icon
// and the style of its toolbars ("Barrix1", "TBarRep1", "Util0011", style
// gBarrasPlanas). AplicarMarcoVentana works on this description; the Qt
// window adapter (services/ventanas/MarcoVentanaQt.h) provides it.
#include <string>

class MarcoVentana {
 public:
  virtual ~MarcoVentana() = default;
  // Sets the window icon from the program's own icon resource; false when
  // the program has no such resource.
  virtual bool FijarIconoRecurso(const std::string& recurso) = 0;
  virtual bool TieneIcono() const = 0;
  // Loads the icon from a file; false when it cannot be read.
  virtual bool CargarIconoArchivo(const std::string& ruta) = 0;
  // The window's type name (e.g. "frmInterfaceVorna", "FRMMDI").
  virtual std::string NombreTipo() const = 0;
  // Sets "StyleBar" of the named toolbar; false when the window has none of that name.
  virtual bool FijarEstiloBarra(const std::string& barra, int estilo) = 0;
};

// Icon from the resource "ICONPRAXEL", else from "praxel.ico" in the
// current folder; then, unless the window is the MDI frame ("FRMMDI"),
// the toolbar style and then pending events run. Failures are skipped.
void AplicarMarcoVentana(MarcoVentana& ventana);
