#include "unifier/ventanas/TeclaPlataforma.h"

#include <QKeyEvent>

int16_t CodigoTeclaPlataforma(const QKeyEvent& evento) {
  const int k = evento.key();
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return int16_t(112 + (k - Qt::Key_F1));
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return int16_t(k);  // Qt uses the same codes for letters
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return int16_t(k);  // and for digits
  switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

int16_t EstadoShiftPlataforma(const QKeyEvent& evento) {
  const Qt::KeyboardModifiers m = evento.modifiers();
  return int16_t((m & Qt::ShiftModifier ? 1 : 0) + (m & Qt::ControlModifier ? 2 : 0) + (m & Qt::AltModifier ? 4 : 0));
}
