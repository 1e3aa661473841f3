// The commands of a script's command object.
#include "json/FalloScript.h"
#include "json/cJSONScript.h"
#include "json/cStringBuilder.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

using JSON::ValorJson;

namespace {

// Arguments of a template tag: a text as written; an object's member values
// as plain text joined by ","; nothing for an array.
std::string ArgumentosEtiqueta(const std::string& nombre, const ValorJson& valor) {
  if (valor.EsTexto()) return valor.Texto();
  std::string argumentos;
  if (const JSON::ObjetoJson* o = valor.Objeto()) {
    bool primero = true;
    for (const auto& miembro : o->Miembros()) {
      if (!primero) argumentos += ",";
      argumentos += TextoPlano(miembro.second, nombre);
      primero = false;
    }
  }
  return argumentos;
}

bool Cumple(const std::string& tipo, const std::string& a, const std::string& b) {
  if (tipo == "eq") return texto::IgualesSinCaso(a, b);
  if (tipo == "gt") return a > b;
  if (tipo == "lt") return a < b;
  if (tipo == "gte") return a >= b;
  if (tipo == "lte") return a <= b;
  return false;
}

}  // namespace

// `o` is the command's text or its object (or array) of members; a
// member missing, or read from something that is not an object, is empty.
void cJSONScript::EjecutarComando(const std::string& nombre, const ValorJson& o, cStringBuilder& salida) {
  if (nombre == "alert") {
    const std::string mensaje = Ejecutar(o.Miembro("message"));
    operador().Mensaje(mensaje, botones::OK + botones::Informacion, Ejecutar(o.Miembro("title")));
  } else if (nombre == "input") {
    const std::string indicacion = Ejecutar(o.Miembro("prompt"));
    const std::string titulo = Ejecutar(o.Miembro("title"));
    salida.Append(operador().Entrada(indicacion, titulo, Ejecutar(o.Miembro("default"))));
  } else if (nombre == "set") {
    const std::string variable = TextoPlano(o.Miembro("name"), nombre);
    variables_[variable] = Ejecutar(o.Miembro("value"));
  } else if (nombre == "get") {
    salida.Append(Variable(o));
  } else if (nombre == "if") {
    salida.Append(Si(o));
  } else if (nombre == "switch") {
    salida.Append(Segun(o));
  } else if (nombre == "return") {
    if (!o.EsTexto()) FallarTipo(nombre);
    salida.Append(o.Texto());
  } else {
    salida.Append("<%" + texto::Mayusculas(nombre) + "(" + ArgumentosEtiqueta(nombre, o) + ")%>");
  }
}

std::string cJSONScript::Variable(const ValorJson& o) {
  const auto it = variables_.find(TextoPlano(o.Miembro("name"), "get"));
  std::string t = it != variables_.end() ? Ejecutar(ValorJson(it->second)) : std::string();
  if (t.empty()) t = Ejecutar(o.Miembro("default"));
  return t;
}

std::string cJSONScript::Si(const ValorJson& o) {
  const std::string a = Ejecutar(o.Miembro("value1"));
  const std::string b = Ejecutar(o.Miembro("value2"));
  const std::string tipo = texto::Minusculas(TextoPlano(o.Miembro("type"), "if"));
  return Ejecutar(o.Miembro(Cumple(tipo, a, b) ? "true" : "false"));
}

std::string cJSONScript::Segun(const ValorJson& o) {
  const std::string d = Ejecutar(o.Miembro("default"));
  const std::string c = texto::Minusculas(Ejecutar(o.Miembro("case")));
  const ValorJson& items = o.Miembro("items");
  if (!items.EsLista()) FallarTipo("switch");
  for (const ValorJson& item : items.Lista()->Elementos()) {
    if (!item.EsObjeto()) FallarTipo("switch");
    if (texto::Minusculas(TextoPlano(item.Miembro("case"), "switch")) == c) return Ejecutar(item.Miembro("return"));
  }
  return d;
}
