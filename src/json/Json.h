#pragma once
// The JSON module: turns a JSON text into a tree of values (ValorJson).
//
// Lenient: comments ("//" to the end of the line, "/*" to "*/"), strings
// and keys in single quotes, bare keys, optional and repeated commas, and
// parentheses read as blanks. It never stops the program: every problem
// becomes a line of text in ErroresJson(), and the tree is returned as far
// as it was read. A caller decides success by asking for that text:
//
//   JSON::ValorJson arbol = JSON::ParsearJson(texto);
//   if (!JSON::ErroresJson().empty()) ... incomplete or absent tree ...
//
// Numbers are exact decimals (Decimal). The regional decimal separator is
// accepted as decimal mark beside ".", as the platform's conversion of
// numbers does; a number is never read with thousands marks.
//
// Positions in the messages, and the positions of the readers below, are
// 1-based character positions. The error text belongs to the calling
// thread.
#include <string>
#include <string_view>

#include "json/ValorJson.h"
#include "sivlib/ErrorSistema.h"

namespace JSON {

// An object or an array, or the empty value when the text begins with
// neither ("Invalid JSON"). Text after the top-level value is not examined.
ValorJson ParsearJson(std::string_view sJSON);

// Error text of the last ParsearJson, one message per line (CR LF), or
// "Invalid JSON" alone; empty when the parse found no problem.
const std::string& ErroresJson();

// The internal readers, for callers that read a value in the middle of a
// text: each reads from `posicion` and leaves it on the first character
// after what it read, appending its messages to ErroresJson(). A failed
// conversion (a number such as 1-2, a bad "\u" escape) gives the empty
// value and, when `fallo` is given, the platform's failure in it.
void SaltarBlancos(std::string_view texto, long& posicion);
ValorJson LeerValor(std::string_view texto, long& posicion, ErrorSistema* fallo = nullptr);
ValorJson LeerObjeto(std::string_view texto, long& posicion);
ValorJson LeerLista(std::string_view texto, long& posicion);
ValorJson LeerCadena(std::string_view texto, long& posicion, ErrorSistema* fallo = nullptr);
ValorJson LeerNumero(std::string_view texto, long& posicion, ErrorSistema* fallo = nullptr);
ValorJson LeerLogico(std::string_view texto, long& posicion);
ValorJson LeerNulo(std::string_view texto, long& posicion);
std::string LeerClave(std::string_view texto, long& posicion);

}  // namespace JSON
