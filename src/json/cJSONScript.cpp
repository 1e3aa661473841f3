#include "json/cJSONScript.h"

#include <exception>
#include <new>

#include "json/FalloScript.h"
#include "json/Json.h"
#include "json/cStringBuilder.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"

using JSON::ValorJson;

namespace {

// Keeps the nesting counter right also when a run-time error unwinds.
struct Anidado {
  int32_t& contador;
  explicit Anidado(int32_t& c) : contador(c) { ++contador; }
  ~Anidado() { --contador; }
};

}  // namespace

std::string TextoPlano(const ValorJson& v, const std::string& donde) {
  if (v.EsObjeto() || v.EsLista()) FallarTipo(donde);
  return v.ComoTexto();
}

template <typename Cuerpo>
std::string cJSONScript::Protegido(Cuerpo cuerpo) {
  error_ = {};
  try {
    return cuerpo();
  } catch (const FalloScript& f) {
    error_ = f.error;
  } catch (const std::bad_alloc&) {
    error_ = fallos::MemoriaInsuficiente("cJSONScript");
  } catch (const std::exception& e) {
    error_ = fallos::ArgumentoInvalido("cJSONScript");
    error_.descripcion += ": " + std::string(e.what());
  }
  return "";
}

std::string cJSONScript::Eval(std::string_view sJSON) {
  return Protegido([&] {
    const ValorJson guion = JSON::ParsearJson(sJSON);
    if (!JSON::ErroresJson().empty() || guion.EsVacio()) {
      operador().Mensaje(JSON::ErroresJson(), botones::OK + botones::Exclamacion, "Parser Error");
      return std::string();
    }
    if (!guion.EsLista()) FallarTipo("Eval");
    cStringBuilder salida;
    for (const ValorJson& item : guion.Lista()->Elementos()) {
      if (item.EsNulo()) salida.Append("null");
      else if (item.EsTexto()) salida.Append(item.Texto());
      else if (item.EsObjeto() || item.EsLista()) salida.Append(Ejecutar(item));
      else FallarTipo("Eval");
    }
    return salida.toString();
  });
}

std::string cJSONScript::ExecCommand(const ValorJson& obj) {
  return Protegido([&] { return Ejecutar(obj); });
}

std::string cJSONScript::Ejecutar(const ValorJson& obj) {
  if (anidamiento_ > NivelMaximo) return TextoNivelExcedido;
  Anidado nivel(anidamiento_);
  cStringBuilder salida;
  switch (obj.tipo()) {
    case ValorJson::Tipo::Nulo: salida.Append("null"); break;
    case ValorJson::Tipo::Texto: salida.Append(obj.Texto()); break;
    case ValorJson::Tipo::Logico: salida.Append(obj.Logico() ? "true" : "false"); break;
    case ValorJson::Tipo::Lista:
      for (const ValorJson& elemento : obj.Lista()->Elementos()) salida.Append(Ejecutar(elemento));
      break;
    case ValorJson::Tipo::Objeto: EjecutarObjeto(*obj.Objeto(), salida); break;
    case ValorJson::Tipo::Numero:
      // Whatever the regional separator, the script's output always carries a point.
      salida.Append(texto::ReemplazarTodo(obj.Numero().Texto(regional::SeparadorDecimal()), ",", "."));
      break;
    case ValorJson::Tipo::Vacio: break;
  }
  return salida.toString();
}

void cJSONScript::EjecutarObjeto(const JSON::ObjetoJson& comandos, cStringBuilder& salida) {
  for (const auto& [clave, valor] : comandos.Miembros()) {
    const std::string nombre = texto::Minusculas(clave);
    if (!valor.EsTexto() && !valor.EsObjeto() && !valor.EsLista()) FallarTipo(nombre);
    EjecutarComando(nombre, valor, salida);
  }
}
