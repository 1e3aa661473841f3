#pragma once
// How OpenServerADODB asks for credentials without the core depending on
// Qt: the program installs the Qt login window (frmAcceso, library
// db_ventanas) at start. Until then, in tests and in the unattended run,
// the login answers "cancelled", unless a test scripts it.
#include <memory>
#include <string>

// What the login window shows and what the operator leaves in it.
struct DatosAcceso {
  std::string usuario;
  std::string clave;
  std::string baseDatos;
  std::string servidor;
  int plataforma = 0;  // CboPlataformaDB: 0 "SQL Server", 1 "ORACLE"
};

class VentanaAcceso {
 public:
  virtual ~VentanaAcceso() = default;
  // Shows the window modally with `datos` filled in; true when the operator
  // accepted (Aceptar), and then `datos` holds what the boxes hold.
  virtual bool Mostrar(DatosAcceso& datos) = 0;
};

// The login in use; the cancelling one until another is installed.
VentanaAcceso& ventanaAcceso();
// Installs a login (null restores the cancelling one).
void FijarVentanaAcceso(std::shared_ptr<VentanaAcceso> nueva);
