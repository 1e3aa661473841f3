#include "services/BarraEstado.h"

#include "sivlib/Texto.h"

ModeloBarraEstado::ModeloBarraEstado(std::vector<std::string> claves) {
  for (const std::string& c : claves) AgregarPanel(c);
}

void ModeloBarraEstado::AgregarPanel(const std::string& clave) { paneles_.push_back({clave, "", ""}); }

const PanelBarra* ModeloBarraEstado::Panel(const std::string& clave) const {
  for (const PanelBarra& p : paneles_)
    if (texto::IgualesSinCaso(p.clave, clave)) return &p;
  return nullptr;
}

PanelBarra* ModeloBarraEstado::Buscar(const std::string& clave) { return const_cast<PanelBarra*>(Panel(clave)); }

std::string ModeloBarraEstado::Texto(const std::string& clave) const {
  const PanelBarra* p = Panel(clave);
  return p ? p->texto : "";
}

void ModeloBarraEstado::FijarTexto(const std::string& clave, const std::string& texto) {
  if (PanelBarra* p = Buscar(clave)) p->texto = texto;
}

void ModeloBarraEstado::FijarAyuda(const std::string& clave, const std::string& ayuda) {
  if (PanelBarra* p = Buscar(clave)) p->ayuda = ayuda;
}

std::vector<std::string> PanelesEstandar() {
  return {"MENSAJE", "SERVER", "USUARIO", "BASEDEDATOS", "CAJA", "VERSION"};
}
