#pragma once
// Whether windows may be created at all: a display must be named (DISPLAY
// or WAYLAND_DISPLAY), or Qt must be told to draw offscreen
// (QT_QPA_PLATFORM=offscreen, used for screenshots and window tests).
// Without one Qt ends the process on its own, so a program asks first and
// says why it cannot open its window.
bool HayPantalla();
