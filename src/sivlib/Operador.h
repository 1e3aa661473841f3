#pragma once
// The one channel through which the program talks to the operator: message
// boxes, the one-line input box, the folder chooser, the date picker, the
// file-open dialog, and "let pending events run".
//
// Three implementations: interactive Qt dialogs (sivlib/ventanas), the
// unattended operator that never blocks (OperadorDesatendido) and the
// scripted operator of the tests (OperadorGuionado). The current operator is
// process-wide; the program installs the unattended one as soon as it knows
// it runs without an operator.
#include <memory>
#include <string>

// Message-box button sets and icons (added together, as the platform does).
namespace botones {
constexpr int OK = 0, OKCancelar = 1, AbortarReintentarIgnorar = 2, SiNoCancelar = 3, SiNo = 4, ReintentarCancelar = 5;
constexpr int Critico = 16, Pregunta = 32, Exclamacion = 48, Informacion = 64;
constexpr int Conjunto(int estilo) { return estilo & 7; }
}  // namespace botones

// Answer codes of a message box.
namespace respuesta {
constexpr int Aceptar = 1, Cancelar = 2, Abortar = 3, Reintentar = 4, Ignorar = 5, Si = 6, No = 7;
}  // namespace respuesta

class Operador {
 public:
  virtual ~Operador() = default;
  // Shows a message box; returns the answer code (1..7).
  virtual int Mensaje(const std::string& texto, int estilo, const std::string& titulo) = 0;
  // One-line input box; an empty text means the operator cancelled.
  virtual std::string Entrada(const std::string& indicacion, const std::string& titulo, const std::string& inicial) = 0;
  // Folder chooser; empty when cancelled. The chosen folder has no final separator.
  virtual std::string ElegirCarpeta(const std::string& titulo, const std::string& inicial) = 0;
  // Date picker; the date in day/month/year form, empty when cancelled.
  virtual std::string ElegirFecha(const std::string& inicial) = 0;
  // File-open dialog with a filter "Description|pattern"; empty when cancelled.
  virtual std::string ElegirArchivo(const std::string& titulo, const std::string& filtro) = 0;
  // Lets pending window events run (keeps a window responsive inside a loop).
  virtual void ProcesarEventos() = 0;
  // Shows or clears the busy cursor.
  virtual void CursorOcupado(bool) {}
  // True when a person can answer (Qt dialogs).
  virtual bool Interactivo() const { return false; }
};

// The current operator. Until one is installed, the unattended one answers.
Operador& operador();
void FijarOperador(std::shared_ptr<Operador> nuevo);

// The answer that a box of the given style gets when nobody can answer: OK
// for OK boxes, No for Yes/No, Abort for Abort/Retry/Ignore, Cancel otherwise.
int RespuestaSinOperador(int estilo);
