#pragma once
// A key press as the list lookup's model takes it.
#include "lookup/Lib_FrmCons3Modelo.h"

class QKeyEvent;

// The key; TeclaLista::Caracter for a key that types a printable
// character (the event's text), TeclaLista::Otra for any other.
TeclaLista TeclaDe(const QKeyEvent& evento);
