#pragma once
// A light lexer for the SQL Server dialect the program writes. The rules of
// the SQLite translation work on its tokens so that nothing inside a text
// literal, a comment or a quoted name is ever rewritten. Joining the tokens
// gives back the text exactly.
#include <string>
#include <string_view>
#include <vector>

namespace dialecto_sqlite {

enum class ClaseToken {
  Espacio,     // blanks, tabs, line breaks
  Comentario,  // -- to end of line, /* ... */
  Palabra,     // name or keyword (letters, digits, _ @ # $, bytes >= 0x80)
  Numero,
  Literal,      // 'text' with '' inside, also N'text'
  Corchete,     // [name]
  Comillas,     // "name"
  FechaAccess,  // #dd/mm/yyyy# of the local-file dialect
  Simbolo,      // one operator or punctuation (<=, >=, <>, !=, || as one)
  Crudo,        // text put in by a rule, taken as one operand
};

struct Token {
  ClaseToken clase;
  std::string texto;
};

std::vector<Token> Tokenizar(std::string_view sql);
std::string Unir(const std::vector<Token>& tokens, size_t desde = 0, size_t hasta = std::string::npos);

bool EsSignificativo(const Token& t);
bool EsPalabra(const Token& t, std::string_view palabra);  // ignoring case
bool EsSimbolo(const Token& t, std::string_view simbolo);
// Index of the next / previous significant token; npos when none.
// Siguiente(t, npos) gives the first significant token.
size_t Siguiente(const std::vector<Token>& t, size_t i);
size_t Anterior(const std::vector<Token>& t, size_t i);
// Index of the ")" that closes the "(" at `abre`; npos when unbalanced.
size_t CierreDe(const std::vector<Token>& t, size_t abre);
// Content of a text literal without quotes and N prefix, '' undone.
std::string ContenidoLiteral(const Token& t);
std::string ComoLiteral(std::string_view contenido);

}  // namespace dialecto_sqlite
