#pragma once
// What the entry point does in each situation. The window-free version
// (core) serves runs without a display; the Qt version (ventanas) adds the
// refusal box, the login window and the main window.
#include <memory>
#include <string>

class Modos {
 public:
  virtual ~Modos() = default;
  // Tells the operator that another copy runs; returns when the notice ended.
  virtual void AvisoSegundaInstancia(const std::string& mensaje, const std::string& titulo, int espera);
  // Runs the start-up sequence; returns 0 or the exit status that ends the run.
  virtual int IniciarSesion(std::string& cadenaConexion);
  // Unattended generation run; returns the exit status.
  virtual int EjecutarDesatendido();
  // Shows the main window and runs until it closes; returns the exit status.
  virtual int EjecutarInteractivo();
};

// Makes the modes of a run: window-free, or with windows when `conVentanas`.
using FabricaModos = std::unique_ptr<Modos> (*)(bool conVentanas, int& argc, char** argv);
