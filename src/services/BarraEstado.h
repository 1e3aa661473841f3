#pragma once
// The status bar of a main window: panels addressed by key ("MENSAJE",
// "SERVER", "USUARIO", "BASEDEDATOS", "CAJA", "VERSION"), each with a text
// and a tool tip. PrepararBarraEstado works on this description; the Qt
// status bar (services/ventanas/BarraEstadoQt.h) and the GUI-free model
// below both provide it, so the same logic serves windows and headless runs.
#include <string>
#include <vector>

class BarraEstado {
 public:
  virtual ~BarraEstado() = default;
  virtual bool TienePanel(const std::string& clave) const = 0;
  // Text of the panel; empty when the bar has no such panel.
  virtual std::string Texto(const std::string& clave) const = 0;
  // Setting a panel the bar does not have does nothing.
  virtual void FijarTexto(const std::string& clave, const std::string& texto) = 0;
  virtual void FijarAyuda(const std::string& clave, const std::string& ayuda) = 0;
};

struct PanelBarra {
  std::string clave, texto, ayuda;
};

// A status bar without widgets: its panels in order (keys compared ignoring case).
class ModeloBarraEstado : public BarraEstado {
 public:
  explicit ModeloBarraEstado(std::vector<std::string> claves = {});
  void AgregarPanel(const std::string& clave);
  const PanelBarra* Panel(const std::string& clave) const;
  const std::vector<PanelBarra>& Paneles() const { return paneles_; }

  bool TienePanel(const std::string& clave) const override { return Panel(clave) != nullptr; }
  std::string Texto(const std::string& clave) const override;
  void FijarTexto(const std::string& clave, const std::string& texto) override;
  void FijarAyuda(const std::string& clave, const std::string& ayuda) override;

 private:
  PanelBarra* Buscar(const std::string& clave);
  std::vector<PanelBarra> paneles_;
};

// The panels of a main window of the code base, in their order.
std::vector<std::string> PanelesEstandar();

// Fills the bar: "MENSAJE" with the message; on the first call also the
// connection panels, the workstation's cash box (created in V_TA_Cajas as
// "CAJA <code>" when it has no description yet; an empty gCaja becomes
// "1") and the program version. A bar whose "SERVER" panel already shows
// text only gets the message. Failures are skipped.
void PrepararBarraEstado(BarraEstado& barra, const std::string& mensaje);

// "V." + major.minor.revision of the program.
std::string TextoVersion();
