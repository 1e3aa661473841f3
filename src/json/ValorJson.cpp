#include "json/ValorJson.h"

#include "sivlib/Regional.h"
#include "sivlib/Variant.h"

namespace JSON {

namespace {
const ValorJson kVacio;
const std::string kSinTexto;
}  // namespace

ValorJson ValorJson::NuevoObjeto() { return ValorJson(std::make_shared<ObjetoJson>()); }
ValorJson ValorJson::NuevaLista() { return ValorJson(std::make_shared<ListaJson>()); }

const std::string& ValorJson::Texto() const {
  const auto* t = std::get_if<std::string>(&dato_);
  return t ? *t : kSinTexto;
}

Decimal ValorJson::Numero() const {
  const auto* n = std::get_if<Decimal>(&dato_);
  return n ? *n : Decimal();
}

bool ValorJson::Logico() const {
  const auto* b = std::get_if<bool>(&dato_);
  return b && *b;
}

ObjetoJson* ValorJson::Objeto() const {
  const auto* o = std::get_if<std::shared_ptr<ObjetoJson>>(&dato_);
  return o ? o->get() : nullptr;
}

ListaJson* ValorJson::Lista() const {
  const auto* l = std::get_if<std::shared_ptr<ListaJson>>(&dato_);
  return l ? l->get() : nullptr;
}

std::string ValorJson::ComoTexto() const {
  switch (tipo()) {
    case Tipo::Texto: return Texto();
    case Tipo::Numero: return Numero().Texto(regional::SeparadorDecimal());
    case Tipo::Logico: return Variant::Booleano(Logico()).Texto();
    default: return "";
  }
}

const ValorJson& ValorJson::Miembro(std::string_view clave) const {
  const ObjetoJson* o = Objeto();
  const ValorJson* v = o ? o->Buscar(clave) : nullptr;
  return v ? *v : kVacio;
}

const ValorJson& ValorJson::Elemento(long posicion) const {
  const ListaJson* l = Lista();
  return l ? l->Elemento(posicion) : kVacio;
}

long ValorJson::Cantidad() const {
  if (const ObjetoJson* o = Objeto()) return o->Cantidad();
  if (const ListaJson* l = Lista()) return l->Cantidad();
  return 0;
}

bool ValorJson::operator==(const ValorJson& otro) const {
  if (tipo() != otro.tipo()) return false;
  if (const ObjetoJson* o = Objeto()) return o->Miembros() == otro.Objeto()->Miembros();
  if (const ListaJson* l = Lista()) return l->Elementos() == otro.Lista()->Elementos();
  return dato_ == otro.dato_;
}

const ValorJson& ListaJson::Elemento(long posicion) const {
  if (posicion < 1 || posicion > Cantidad()) return kVacio;
  return elementos_[size_t(posicion - 1)];
}

namespace {
constexpr size_t kMiembrosSinIndice = 16;
}

long ObjetoJson::Posicion(std::string_view clave) const {
  if (indice_.empty()) {
    for (size_t i = 0; i < miembros_.size(); ++i)
      if (miembros_[i].first == clave) return long(i);
    return -1;
  }
  auto it = indice_.find(clave);
  return it != indice_.end() ? it->second : -1;
}

bool ObjetoJson::Agregar(std::string clave, ValorJson valor) {
  if (Posicion(clave) >= 0) return false;
  if (!indice_.empty()) {
    indice_.emplace(clave, long(miembros_.size()));
  } else if (miembros_.size() + 1 > kMiembrosSinIndice) {
    for (size_t i = 0; i < miembros_.size(); ++i) indice_.emplace(miembros_[i].first, long(i));
    indice_.emplace(clave, long(miembros_.size()));
  }
  miembros_.emplace_back(std::move(clave), std::move(valor));
  return true;
}

const ValorJson* ObjetoJson::Buscar(std::string_view clave) const {
  const long p = Posicion(clave);
  return p >= 0 ? &miembros_[size_t(p)].second : nullptr;
}

}  // namespace JSON
