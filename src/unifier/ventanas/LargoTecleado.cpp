#include "unifier/ventanas/LargoTecleado.h"

#include <QKeyEvent>
#include <QLineEdit>

bool SuperaLargoTecleado(const QLineEdit& caja, int largoMaximo, const QKeyEvent& tecla) {
  if (largoMaximo <= 0) return false;
  if (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const QString texto = tecla.text();
  if (texto.isEmpty() || !texto.at(0).isPrint()) return false;
  const qsizetype largo = caja.text().size() - caja.selectedText().size() + texto.size();
  return largo > largoMaximo;
}
