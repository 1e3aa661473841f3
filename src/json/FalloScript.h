#pragma once
// A run-time error inside the script interpreter. It unwinds the script's
// commands, as the platform's run-time error would, and is turned back into
// an ErrorSistema at the interpreter's public members: it never leaves them.
#include <string>

#include "json/FallosPlataforma.h"
#include "json/ValorJson.h"

struct FalloScript {
  ErrorSistema error;
};

[[noreturn]] inline void FallarTipo(const std::string& donde) {
  throw FalloScript{fallos::TiposDistintos("cJSONScript." + donde)};
}

// A value as the platform writes it as text: texts unchanged, numbers in
// the regional form, Booleans as the platform's words, null and the empty
// value as empty text. An object or array has no text: type mismatch.
std::string TextoPlano(const JSON::ValorJson& v, const std::string& donde);
