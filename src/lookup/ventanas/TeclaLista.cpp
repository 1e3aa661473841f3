#include "lookup/ventanas/TeclaLista.h"

#include <QKeyEvent>

TeclaLista TeclaDe(const QKeyEvent& evento) {
  switch (evento.key()) {
    case Qt::Key_F5: return TeclaLista::F5;
    case Qt::Key_F12: return TeclaLista::F12;
    case Qt::Key_Up: return TeclaLista::Arriba;
    case Qt::Key_Down: return TeclaLista::Abajo;
    case Qt::Key_PageUp: return TeclaLista::RePag;
    case Qt::Key_PageDown: return TeclaLista::AvPag;
    case Qt::Key_Space: return TeclaLista::Espacio;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TeclaLista::Enter;
    case Qt::Key_Insert: return TeclaLista::Insertar;
    case Qt::Key_Delete: return TeclaLista::Suprimir;
    case Qt::Key_Backspace: return TeclaLista::Retroceso;
    default: break;
  }
  const QString t = evento.text();
  if (t.size() == 1 && t[0].isPrint() && !(evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return TeclaLista::Caracter;
  return TeclaLista::Otra;
}
