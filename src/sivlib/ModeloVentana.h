#pragma once
// The state a window holds for the program's logic, without any widget:
// its controls in the window's order with their names, kinds, family index,
// key (Tag), data kind and values. The Qt window mirrors it (it listens for
// changes and writes the operator's edits back); the unattended run and the
// tests use it alone. Window-state persistence works on this model.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct ControlVentana {
  std::string nombre;  // control name, e.g. "TxtFields", "chkVTA", "lblInfo"
  std::string
      tipo;  // the suite's type name: "TextBox", "CheckBox", "OptionButton", "ComboBox", "Label", "CommandButton"
  int indice = -1;                 // index inside a control family; -1 when not part of one
  std::string tag;                 // key of a keyed text box
  std::string tipoDato;            // data kind of a text box: "FECHA", "FMTHORA", ...
  std::string dataField;           // the control's data field
  std::string texto;               // Text of a text box or combo box, Caption of a label or button
  int valor = 0;                   // CheckBox 0/1/2; OptionButton 0 or 1 (selected)
  int listIndex = -1;              // ComboBox selected position
  std::vector<std::string> lista;  // ComboBox items
  std::string ayuda;               // tool-tip text
  bool habilitado = true;
  bool visible = true;
  int largoMaximo = 0;  // characters the operator may type into a text box; 0 = no limit
};

// Builders of the usual controls (index -1: not part of a family).
ControlVentana ControlDeTipo(std::string nombre, std::string tipo, std::string texto = {});
ControlVentana CajaTexto(std::string nombre, int indice, std::string tag, std::string tipoDato = {});
ControlVentana Etiqueta(std::string nombre, int indice, std::string texto);
ControlVentana Boton(std::string nombre, std::string texto);
ControlVentana Casilla(std::string nombre, std::string texto);

class ModeloVentana {
 public:
  explicit ModeloVentana(std::string nombre) : nombre_(std::move(nombre)) {}
  ModeloVentana(const ModeloVentana&) = delete;
  ModeloVentana& operator=(const ModeloVentana&) = delete;

  const std::string& Nombre() const { return nombre_; }
  std::string caption;  // the window's title

  // Adds a control at the end of the window's control order. The control
  // keeps its address for the model's lifetime, however many follow it, so
  // a window may bind its widgets to it (a lookup adds one search box per
  // column of whatever table it shows).
  ControlVentana& Agregar(ControlVentana c);
  std::deque<ControlVentana>& Controles() { return controles_; }
  const std::deque<ControlVentana>& Controles() const { return controles_; }
  // The control of that name (ignoring case) and index (-1: not in a family); null when absent.
  ControlVentana* Control(std::string_view nombre, int indice = -1);
  const ControlVentana* Control(std::string_view nombre, int indice = -1) const;
  // Members of a family in index order.
  std::vector<ControlVentana*> Familia(std::string_view nombre);

  // Changes that the window must show go through these, which notify listeners.
  void FijarTexto(ControlVentana& c, std::string texto);
  void FijarValor(ControlVentana& c, int valor);
  void FijarListIndex(ControlVentana& c, int indice);
  void Notificar(const ControlVentana& c);
  // Registers a listener, called after every change made through the
  // setters above; the result identifies it for QuitarOyente. A window that
  // goes away before its model must take its listener off.
  using Oyente = std::function<void(const ControlVentana&)>;
  size_t AlCambiar(Oyente f);
  // Takes a listener off; it is not called again, even when it is removed
  // while a change is being told (also by itself). Unknown ids are ignored.
  void QuitarOyente(size_t id);
  // Expires when the model goes: a listener that may outlive it (the widget
  // link of a window that holds its model as a member, which goes before
  // the window's child objects) asks before taking itself off.
  std::weak_ptr<const void> Vida() const { return vida_; }

 private:
  struct Suscripcion {
    size_t id;
    Oyente f;
    bool activa;
  };
  void Compactar();

  std::string nombre_;
  std::deque<ControlVentana> controles_;
  // A deque, so that a listener added while a change is told does not move
  // the one being called.
  std::deque<Suscripcion> oyentes_;
  size_t siguienteId_ = 1;
  int notificando_ = 0;
  std::shared_ptr<const void> vida_ = std::make_shared<char>(0);
};
