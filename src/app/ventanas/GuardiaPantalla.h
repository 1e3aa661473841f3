#pragma once
// While the application object connects to the display. Qt ends the
// process with an abort (status 134) when the display named by DISPLAY
// cannot be reached or no platform plugin starts; the guard ends it
// instead with the status for "no display" and a message that says what
// to do. Qt's other messages go on as before.
class GuardiaPantalla {
 public:
  GuardiaPantalla();
  ~GuardiaPantalla();
  GuardiaPantalla(const GuardiaPantalla&) = delete;
  GuardiaPantalla& operator=(const GuardiaPantalla&) = delete;
};
