#include "db/motor/dialecto_sqlite/LlamadasProcedimiento.h"

#include "db/motor/dialecto_sqlite/Lexico.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

bool EsEjecutar(const Token& k) { return EsPalabra(k, "EXEC") || EsPalabra(k, "EXECUTE"); }

// A name or value as written: literals lose their quotes, quoted names
// their brackets or double quotes.
std::string Valor(const Token& k) {
  switch (k.clase) {
    case ClaseToken::Literal: return ContenidoLiteral(k);
    case ClaseToken::Corchete:
    case ClaseToken::Comillas: return k.texto.size() >= 2 ? k.texto.substr(1, k.texto.size() - 2) : "";
    default: return k.texto;
  }
}

std::vector<const Token*> Significativos(const std::vector<Token>& t) {
  std::vector<const Token*> p;
  for (const auto& k : t)
    if (EsSignificativo(k)) p.push_back(&k);
  return p;
}

// "master.dbo.sp_addlogin" keeps its last part; returns the index after the name.
size_t LeerNombre(const std::vector<const Token*>& p, size_t i, std::string& nombre) {
  while (i < p.size() && !EsEjecutar(*p[i])) {
    if (!EsSimbolo(*p[i], ".")) nombre = Valor(*p[i]);
    const bool sigue = i + 1 < p.size() && EsSimbolo(*p[i + 1], ".");
    i += sigue ? 2 : 1;
    if (!sigue) break;
  }
  return i;
}

// One argument up to its comma (or the next EXEC); returns the index after it.
size_t LeerArgumento(const std::vector<const Token*>& p, size_t i, ArgumentoProcedimiento& a) {
  if (p[i]->clase == ClaseToken::Palabra && p[i]->texto[0] == '@' && i + 1 < p.size() && EsSimbolo(*p[i + 1], "=")) {
    a.parametro = p[i]->texto;
    i += 2;
  }
  for (; i < p.size() && !EsSimbolo(*p[i], ",") && !EsEjecutar(*p[i]); ++i) a.valor += Valor(*p[i]);
  return i < p.size() && EsSimbolo(*p[i], ",") ? i + 1 : i;
}

}  // namespace

std::string LlamadaProcedimiento::Argumento(const std::string& parametro, size_t posicion) const {
  size_t sinNombre = 0;
  for (const auto& a : argumentos) {
    if (texto::IgualesSinCaso(a.parametro, parametro)) return a.valor;
    if (a.parametro.empty() && sinNombre++ == posicion) return a.valor;
  }
  return {};
}

std::vector<LlamadaProcedimiento> LeerLlamadas(const std::string& sentencia) {
  const std::vector<Token> t = Tokenizar(sentencia);
  const std::vector<const Token*> p = Significativos(t);
  std::vector<LlamadaProcedimiento> llamadas;
  for (size_t i = 0; i < p.size();) {
    if (EsEjecutar(*p[i])) {
      llamadas.emplace_back();
      i = LeerNombre(p, i + 1, llamadas.back().nombre);
    } else if (llamadas.empty() || EsSimbolo(*p[i], ";")) {
      ++i;
    } else {
      ArgumentoProcedimiento a;
      i = LeerArgumento(p, i, a);
      llamadas.back().argumentos.push_back(a);
    }
  }
  return llamadas;
}

}  // namespace dialecto_sqlite
