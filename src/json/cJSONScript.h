#pragma once
// Runs a small script written as JSON and returns the text it produces.
// A script is an array: its texts are copied to the output, null gives
// "null", and its objects and arrays are commands (ExecCommand). Command
// names ignore case: "alert", "input", "set", "get", "if", "switch" and
// "return"; any other name becomes a template tag "<%NAME(arguments)%>".
//
// Variables live as long as the object, from one Eval to the next.
// Commands nest at most 41 deep; deeper ones produce the text
// "ERROR: Nesting level exceeded." and the enclosing commands go on.
//
// A script the parser rejects is shown to the operator in a "Parser Error"
// box and gives empty text. A run-time error of the script (a command value
// of the wrong kind, a "switch" without "items", a top-level value that is
// not an array, a top-level item that is a number or a Boolean) ends the
// call: the result is empty text and UltimoError() holds the platform's
// failure (13, type mismatch) with the command in `origen`. Every Eval and
// ExecCommand clears UltimoError() first.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "json/ValorJson.h"
#include "sivlib/ErrorSistema.h"

class cStringBuilder;

class cJSONScript {
 public:
  static constexpr int32_t NivelMaximo = 40;
  static constexpr const char* TextoNivelExcedido = "ERROR: Nesting level exceeded.";

  std::string Eval(std::string_view sJSON);
  std::string ExecCommand(const JSON::ValorJson& obj);

  const ErrorSistema& UltimoError() const { return error_; }
  // ExecCommand executions in progress; 0 between calls.
  int32_t Anidamiento() const { return anidamiento_; }

 private:
  std::string Ejecutar(const JSON::ValorJson& obj);
  void EjecutarObjeto(const JSON::ObjetoJson& comandos, cStringBuilder& salida);
  void EjecutarComando(const std::string& nombre, const JSON::ValorJson& valor, cStringBuilder& salida);
  std::string Si(const JSON::ValorJson& o);
  std::string Segun(const JSON::ValorJson& o);
  std::string Variable(const JSON::ValorJson& o);
  template <typename Cuerpo>
  std::string Protegido(Cuerpo cuerpo);

  int32_t anidamiento_ = 0;
  std::unordered_map<std::string, std::string> variables_;
  ErrorSistema error_;
};
