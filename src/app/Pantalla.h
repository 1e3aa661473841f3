#pragma once
// Whether windows may be created at all: a display must be named (DISPLAY
// or WAYLAND_DISPLAY), or Qt must be told to draw offscreen
// (QT_QPA_PLATFORM=offscreen, used for screenshots and window tests).
bool HayPantalla();

// What the operator reads when the main window cannot be shown: the
// reason, then what to do.
const char* TextoSinPantalla();
