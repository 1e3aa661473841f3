#pragma once
// Short builders of expected JSON trees, and their printing in test failures.
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "json/ValorJson.h"

namespace arbol {

inline JSON::ValorJson Num(const char* texto) { return JSON::ValorJson(*Decimal::DesdeTexto(texto, '.')); }
inline JSON::ValorJson Txt(std::string t) { return JSON::ValorJson(std::move(t)); }
inline JSON::ValorJson Log(bool b) { return JSON::ValorJson::Logico(b); }
inline JSON::ValorJson Nul() { return JSON::ValorJson::Nulo(); }
inline JSON::ValorJson Vac() { return JSON::ValorJson(); }

inline JSON::ValorJson Lis(std::initializer_list<JSON::ValorJson> elementos) {
  JSON::ValorJson l = JSON::ValorJson::NuevaLista();
  for (const auto& e : elementos) l.Lista()->Agregar(e);
  return l;
}

inline JSON::ValorJson Obj(std::initializer_list<std::pair<std::string, JSON::ValorJson>> miembros) {
  JSON::ValorJson o = JSON::ValorJson::NuevoObjeto();
  for (const auto& [k, v] : miembros) o.Objeto()->Agregar(k, v);
  return o;
}

}  // namespace arbol

namespace JSON {
// Compact dump: {"k":v,...}, [..], "text", numbers, true/false, null, <vacio>.
inline void PrintTo(const ValorJson& v, std::ostream* os) {
  switch (v.tipo()) {
    case ValorJson::Tipo::Vacio: *os << "<vacio>"; break;
    case ValorJson::Tipo::Nulo: *os << "null"; break;
    case ValorJson::Tipo::Texto: *os << '"' << v.Texto() << '"'; break;
    case ValorJson::Tipo::Numero: *os << v.Numero().Texto(); break;
    case ValorJson::Tipo::Logico: *os << (v.Logico() ? "true" : "false"); break;
    case ValorJson::Tipo::Lista: {
      *os << '[';
      for (long i = 1; i <= v.Cantidad(); ++i) {
        if (i > 1) *os << ',';
        PrintTo(v.Elemento(i), os);
      }
      *os << ']';
      break;
    }
    case ValorJson::Tipo::Objeto: {
      *os << '{';
      bool primero = true;
      for (const auto& [k, m] : v.Objeto()->Miembros()) {
        if (!primero) *os << ',';
        *os << '"' << k << "\":";
        PrintTo(m, os);
        primero = false;
      }
      *os << '}';
      break;
    }
  }
}
}  // namespace JSON
