#pragma once
// Window state kept per window and user in TA_CONFIG_FORM: what the
// operator last entered in a window comes back the next time it opens.
// Works on the GUI-free window model, so it runs without a display.
//
// Window key: the window's name + `sufijo` (cut to 100). User:
// gUsuarioLogeado (cut to 50), or empty when the suffix contains "@"
// (state shared by every user). An empty `nombreControl` means every
// control; otherwise only the control of that name (saving also accepts a
// type name). Nothing is reported: a row that fails is lost, a control
// whose stored value does not fit stays as it was.
#include <string>

#include "sivlib/ModeloVentana.h"

void GuardarEstadoVentana(const ModeloVentana& ventana, const std::string& sufijo = {},
                          const std::string& nombreControl = {});
void RestaurarEstadoVentana(ModeloVentana& ventana, const std::string& sufijo = {},
                            const std::string& nombreControl = {});

namespace estado_ventana {
// Column widths the rows are written with.
constexpr int kAnchoFormulario = 100, kAnchoColumna = 50;

std::string ClaveVentana(const ModeloVentana& ventana, const std::string& sufijo);
std::string UsuarioEstado(const std::string& sufijo);
}  // namespace estado_ventana
