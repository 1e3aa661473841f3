#pragma once
// What both offscreen tools need before a window can load: Qt drawing
// offscreen, and the shared database object open on a demo database file.
#include <string>

class QWidget;

// Chooses the offscreen platform unless the caller chose one; call before
// the QApplication is created.
void UsarPantallaOffscreen();
// Opens the embedded database file as user "bench"; false with a message
// on standard error when it cannot be opened.
bool AbrirBaseDemo(const std::string& archivo);
// Shows the window, lets it lay itself out and saves its picture as
// <carpeta>/<object name>.png, printing the file's path; false with a
// message on standard error when the file cannot be written.
bool GuardarCaptura(QWidget& ventana, const std::string& carpeta);
