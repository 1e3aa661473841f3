#include "sivlib/ModeloVentana.h"

#include <algorithm>

#include "sivlib/Texto.h"

ControlVentana ControlDeTipo(std::string nombre, std::string tipo, std::string texto) {
  ControlVentana c;
  c.nombre = std::move(nombre);
  c.tipo = std::move(tipo);
  c.texto = std::move(texto);
  return c;
}

ControlVentana CajaTexto(std::string nombre, int indice, std::string tag, std::string tipoDato) {
  ControlVentana c = ControlDeTipo(std::move(nombre), "TextBox");
  c.indice = indice;
  c.tag = std::move(tag);
  c.tipoDato = std::move(tipoDato);
  return c;
}

ControlVentana Etiqueta(std::string nombre, int indice, std::string texto) {
  ControlVentana c = ControlDeTipo(std::move(nombre), "Label", std::move(texto));
  c.indice = indice;
  return c;
}

ControlVentana Boton(std::string nombre, std::string texto) {
  return ControlDeTipo(std::move(nombre), "CommandButton", std::move(texto));
}

ControlVentana Casilla(std::string nombre, std::string texto) {
  return ControlDeTipo(std::move(nombre), "CheckBox", std::move(texto));
}

ControlVentana& ModeloVentana::Agregar(ControlVentana c) {
  // A deque never moves its elements when one is added at its end.
  controles_.push_back(std::move(c));
  return controles_.back();
}

ControlVentana* ModeloVentana::Control(std::string_view nombre, int indice) {
  for (auto& c : controles_)
    if (c.indice == indice && texto::IgualesSinCaso(c.nombre, nombre)) return &c;
  return nullptr;
}

const ControlVentana* ModeloVentana::Control(std::string_view nombre, int indice) const {
  return const_cast<ModeloVentana*>(this)->Control(nombre, indice);
}

std::vector<ControlVentana*> ModeloVentana::Familia(std::string_view nombre) {
  std::vector<ControlVentana*> r;
  for (auto& c : controles_)
    if (c.indice >= 0 && texto::IgualesSinCaso(c.nombre, nombre)) r.push_back(&c);
  std::sort(r.begin(), r.end(), [](auto* a, auto* b) { return a->indice < b->indice; });
  return r;
}

void ModeloVentana::FijarTexto(ControlVentana& c, std::string texto) {
  c.texto = std::move(texto);
  Notificar(c);
}

void ModeloVentana::FijarValor(ControlVentana& c, int valor) {
  c.valor = valor;
  Notificar(c);
}

void ModeloVentana::FijarListIndex(ControlVentana& c, int indice) {
  c.listIndex = indice;
  if (indice >= 0 && size_t(indice) < c.lista.size()) c.texto = c.lista[size_t(indice)];
  Notificar(c);
}

size_t ModeloVentana::AlCambiar(Oyente f) {
  oyentes_.push_back({siguienteId_, std::move(f), true});
  return siguienteId_++;
}

void ModeloVentana::QuitarOyente(size_t id) {
  for (auto& s : oyentes_)
    if (s.id == id) s.activa = false;
  // A listener being called is dropped only once the change has been told.
  if (notificando_ == 0) Compactar();
}

void ModeloVentana::Compactar() {
  std::erase_if(oyentes_, [](const Suscripcion& s) { return !s.activa; });
}

void ModeloVentana::Notificar(const ControlVentana& c) {
  ++notificando_;
  // By index: a listener may add another one meanwhile (told of the next change).
  const size_t cuantos = oyentes_.size();
  for (size_t i = 0; i < cuantos; ++i)
    if (oyentes_[i].activa) oyentes_[i].f(c);
  if (--notificando_ == 0) Compactar();
}
