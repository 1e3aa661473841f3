#pragma once
// Key presses as the program's key handlers receive them: the platform's
// virtual-key code (F1 = 112, Enter = 13, Escape = 27, Down = 40, "A" = 65
// ...) and the shift state (1 Shift, 2 Ctrl, 4 Alt, added together).
#include <cstdint>

class QKeyEvent;

// 0 for a key the platform has no code for.
int16_t CodigoTeclaPlataforma(const QKeyEvent& evento);
int16_t EstadoShiftPlataforma(const QKeyEvent& evento);
