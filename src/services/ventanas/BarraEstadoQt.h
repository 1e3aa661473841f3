#pragma once
// The Qt status bar of a main window, with panels addressed by key: one
// label per panel, its objectName the key, its tool tip the panel's. The
// services fill it through the BarraEstado description.
#include <QLabel>
#include <QStatusBar>
#include <string>
#include <vector>

#include "services/BarraEstado.h"

class BarraEstadoQt : public QStatusBar, public BarraEstado {
  Q_OBJECT
 public:
  // A bar with the given panels in order; the first one ("MENSAJE" in the
  // standard set) takes the spare width.
  explicit BarraEstadoQt(const std::vector<std::string>& claves = PanelesEstandar(), QWidget* padre = nullptr);

  QLabel* Panel(const std::string& clave) const;

  bool TienePanel(const std::string& clave) const override { return Panel(clave) != nullptr; }
  std::string Texto(const std::string& clave) const override;
  void FijarTexto(const std::string& clave, const std::string& texto) override;
  void FijarAyuda(const std::string& clave, const std::string& ayuda) override;

 private:
  std::vector<QLabel*> paneles_;
};
