#pragma once
#include "app/Modos.h"

// The modes of the program: with windows (Qt) when `conVentanas`, else window-free.
std::unique_ptr<Modos> CrearModos(bool conVentanas, int& argc, char** argv);
