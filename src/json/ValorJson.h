#pragma once
// A value of the JSON tree: object, array, text, exact decimal number,
// Boolean, null, or the empty value of something that was not read.
//
// Objects and arrays are held by reference, as the platform's collections
// are: copying a ValorJson shares the collection, so a command value handed
// around by the script interpreter costs nothing.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "json/Decimal.h"

namespace JSON {

class ListaJson;
class ObjetoJson;

class ValorJson {
 public:
  enum class Tipo { Vacio, Nulo, Texto, Numero, Logico, Objeto, Lista };

  ValorJson() = default;
  ValorJson(std::string texto) : dato_(std::move(texto)) {}
  ValorJson(const char* texto) : dato_(std::string(texto)) {}
  ValorJson(Decimal numero) : dato_(numero) {}
  ValorJson(std::shared_ptr<ObjetoJson> objeto) : dato_(std::move(objeto)) {}
  ValorJson(std::shared_ptr<ListaJson> lista) : dato_(std::move(lista)) {}
  static ValorJson Nulo() { return ValorJson(NuloJson{}); }
  static ValorJson Logico(bool b) { return ValorJson(b); }
  static ValorJson NuevoObjeto();
  static ValorJson NuevaLista();

  Tipo tipo() const { return Tipo(dato_.index()); }
  bool EsVacio() const { return tipo() == Tipo::Vacio; }
  bool EsNulo() const { return tipo() == Tipo::Nulo; }
  bool EsTexto() const { return tipo() == Tipo::Texto; }
  bool EsNumero() const { return tipo() == Tipo::Numero; }
  bool EsLogico() const { return tipo() == Tipo::Logico; }
  bool EsObjeto() const { return tipo() == Tipo::Objeto; }
  bool EsLista() const { return tipo() == Tipo::Lista; }

  // Readers of a kind; another kind reads as empty text, zero, false or
  // no collection.
  const std::string& Texto() const;
  Decimal Numero() const;
  bool Logico() const;
  ObjetoJson* Objeto() const;
  ListaJson* Lista() const;

  // The value as the platform writes it as text: a text unchanged, a number
  // in plain form with the regional decimal separator, a Boolean as the
  // platform's words (Variant), and empty text for null, the empty value,
  // objects and arrays.
  std::string ComoTexto() const;

  // An object's member, or the empty value when this is not an object or
  // has no such member (exact key).
  const ValorJson& Miembro(std::string_view clave) const;
  // An array's element, first at position 1; the empty value out of range.
  const ValorJson& Elemento(long posicion) const;
  // Members of an object or elements of an array; 0 for the other kinds.
  long Cantidad() const;

  // Structural comparison, used by the tests' expected trees.
  bool operator==(const ValorJson& otro) const;

 private:
  struct NuloJson {
    bool operator==(const NuloJson&) const = default;
  };
  explicit ValorJson(NuloJson n) : dato_(n) {}
  explicit ValorJson(bool b) : dato_(b) {}

  std::variant<std::monostate, NuloJson, std::string, Decimal, bool, std::shared_ptr<ObjetoJson>,
               std::shared_ptr<ListaJson>>
      dato_;
};

// Ordered collection of an array.
class ListaJson {
 public:
  void Agregar(ValorJson v) { elementos_.push_back(std::move(v)); }
  long Cantidad() const { return long(elementos_.size()); }
  const ValorJson& Elemento(long posicion) const;  // 1-based
  const std::vector<ValorJson>& Elementos() const { return elementos_; }

 private:
  std::vector<ValorJson> elementos_;
};

// Keyed collection of an object: keys compared by exact character codes,
// insertion order kept, each key at most once.
class ObjetoJson {
 public:
  using Par = std::pair<std::string, ValorJson>;

  // False, and nothing added, when the key is already there.
  bool Agregar(std::string clave, ValorJson valor);
  const ValorJson* Buscar(std::string_view clave) const;
  bool Existe(std::string_view clave) const { return Buscar(clave) != nullptr; }
  long Cantidad() const { return long(miembros_.size()); }
  // Members in the order in which they were added.
  const std::vector<Par>& Miembros() const { return miembros_; }

 private:
  long Posicion(std::string_view clave) const;
  std::vector<Par> miembros_;
  struct HashClave {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // Positions by key, kept only for large objects, where scanning every key
  // on each addition would grow quadratically; small ones are scanned.
  std::unordered_map<std::string, long, HashClave, std::equal_to<>> indice_;
};

}  // namespace JSON
