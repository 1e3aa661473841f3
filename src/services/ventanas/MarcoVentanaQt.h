#pragma once
// The window frame on a Qt window: the icon and the style of the toolbars
// named "Barrix1", "TBarRep1", "Util0011" (their buttons raise only under
// the mouse when the style is flat, as the maker's toolbar does).
#include <QWidget>
#include <string>

#include "services/MarcoVentana.h"

class MarcoVentanaQt : public MarcoVentana {
 public:
  // `tipo` is the window's type name; empty: its objectName, else its class name.
  explicit MarcoVentanaQt(QWidget& ventana, std::string tipo = {});

  bool FijarIconoRecurso(const std::string& recurso) override;
  bool TieneIcono() const override { return conIcono_; }
  bool CargarIconoArchivo(const std::string& ruta) override;
  std::string NombreTipo() const override { return tipo_; }
  bool FijarEstiloBarra(const std::string& barra, int estilo) override;

 private:
  bool FijarIcono(const QString& origen);
  QWidget& ventana_;
  std::string tipo_;
  bool conIcono_ = false;
};

// AplicarMarcoVentana on a Qt window.
void AplicarMarcoVentana(QWidget& ventana, const std::string& tipo = {});
