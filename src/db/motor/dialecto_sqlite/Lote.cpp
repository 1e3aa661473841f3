#include "db/motor/dialecto_sqlite/Lote.h"

#include <initializer_list>

#include "db/motor/dialecto_sqlite/Lexico.h"
#include "db/motor/dialecto_sqlite/Reglas.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

bool EsUnaDe(const Token& k, std::initializer_list<const char*> palabras) {
  for (const char* p : palabras)
    if (EsPalabra(k, p)) return true;
  return false;
}

// Words that begin a statement when they open a line.
bool EmpiezaSentencia(const Token& k) {
  return EsUnaDe(
      k, {"SELECT", "INSERT", "UPDATE",  "DELETE",   "CREATE", "DROP",    "ALTER", "BEGIN", "COMMIT", "ROLLBACK",
          "SET",    "EXEC",   "EXECUTE", "TRUNCATE", "USE",    "DECLARE", "PRINT", "GO",    "GRANT",  "REVOKE"});
}

// A token after which the next line goes on with the same statement.
bool Continua(const Token& k) {
  return EsUnaDe(k, {"UNION", "ALL", "EXCEPT", "INTERSECT", "AS", "ON", "OF", "THEN", "ELSE", "FOR", "OR", "AND", "NOT",
                     "EXISTS", "IN", "INSTEAD"}) ||
         EsSimbolo(k, ",") || EsSimbolo(k, "(") || EsSimbolo(k, "=") || EsSimbolo(k, "<") || EsSimbolo(k, ">");
}

// What has been seen of the statement being gathered, to tell a new
// statement from a clause of the current one.
struct Estado {
  std::vector<std::string> palabras;  // its significant words at level 0, upper case
  bool Empieza(const char* p) const { return !palabras.empty() && palabras[0] == p; }
  bool Tiene(const char* p) const {
    for (const auto& w : palabras)
      if (w == p) return true;
    return false;
  }
  bool EsTransaccion() const {
    if (palabras.empty() || palabras.size() > 2) return false;
    const std::string& p = palabras[0];
    const bool segundaOk =
        palabras.size() == 1 || palabras[1] == "TRAN" || palabras[1] == "TRANSACTION" || palabras[1] == "WORK";
    return (p == "BEGIN" && palabras.size() == 2 && segundaOk) || ((p == "COMMIT" || p == "ROLLBACK") && segundaOk);
  }
};

bool CortaAqui(const Estado& e, const Token& k, const Token* anterior, bool nuevaLinea) {
  if (e.palabras.empty() || !EmpiezaSentencia(k)) return false;
  if (e.EsTransaccion() && !EsPalabra(k, "TRAN") && !EsPalabra(k, "TRANSACTION")) return true;
  if (!nuevaLinea || (anterior && Continua(*anterior))) return false;
  if (EsPalabra(k, "SELECT") && e.Empieza("INSERT") && !e.Tiene("VALUES") && !e.Tiene("SELECT")) return false;
  if (EsPalabra(k, "SET") && e.Empieza("UPDATE") && !e.Tiene("SET")) return false;
  if ((EsPalabra(k, "DROP") || EsPalabra(k, "ALTER")) && e.Empieza("ALTER") && !EsPalabra(k, "ALTER")) return false;
  if (EsPalabra(k, "SELECT") && e.Empieza("CREATE") && !e.Tiene("AS")) return false;
  return true;
}

}  // namespace

std::vector<std::string> DividirLote(const std::string& sql) {
  const std::vector<Token> t = Tokenizar(sql);
  std::vector<std::string> sentencias;
  std::string actual;
  Estado estado;
  const Token* anterior = nullptr;
  bool nuevaLinea = false;
  int nivel = 0;
  auto cerrar = [&] {
    if (!texto::Recortado(texto::ReemplazarTodo(texto::ReemplazarTodo(actual, "\r", " "), "\n", " ")).empty())
      sentencias.push_back(actual);
    actual.clear();
    estado = {};
    anterior = nullptr;
  };
  for (const Token& k : t) {
    if (!EsSignificativo(k)) {
      if (k.texto.find_first_of("\r\n") != std::string::npos) nuevaLinea = true;
      actual += k.texto;
      continue;
    }
    if (nivel == 0 && EsSimbolo(k, ";")) {
      cerrar();
      continue;
    }
    if (nivel == 0 && CortaAqui(estado, k, anterior, nuevaLinea)) cerrar();
    if (EsSimbolo(k, "(")) ++nivel;
    if (EsSimbolo(k, ")") && nivel > 0) --nivel;
    if (nivel == 0 && k.clase == ClaseToken::Palabra) estado.palabras.push_back(texto::Mayusculas(k.texto));
    actual += k.texto;
    anterior = &k;
    nuevaLinea = false;
  }
  cerrar();
  for (auto& s : sentencias) {
    // Keep the statement's own text, without the line breaks around it.
    size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
    s = s.substr(a, b - a + 1);
  }
  return sentencias;
}

Sentencia ClasificarSentencia(const std::string& s, const EsquemaDeTablas& esquema) {
  const std::vector<Token> t = Tokenizar(s);
  std::vector<const Token*> p;
  for (const auto& k : t)
    if (EsSignificativo(k)) p.push_back(&k);
  auto es = [&](size_t i, const char* w) { return i < p.size() && EsPalabra(*p[i], w); };
  auto transaccion = [&](size_t i) { return es(i, "TRAN") || es(i, "TRANSACTION") || es(i, "WORK"); };
  if (es(0, "BEGIN") && (es(1, "TRAN") || es(1, "TRANSACTION") || (es(1, "DISTRIBUTED") && transaccion(2))))
    return {ClaseSentencia::Comenzar, "", s};
  if (es(0, "COMMIT") && (p.size() == 1 || transaccion(1))) return {ClaseSentencia::Confirmar, "", s};
  if (es(0, "ROLLBACK") && (p.size() == 1 || transaccion(1))) return {ClaseSentencia::Deshacer, "", s};
  // Session settings of SQL Server that SQLite has no use for.
  if (es(0, "SET") && p.size() > 1 && p[1]->clase == ClaseToken::Palabra && p[1]->texto[0] != '@')
    return {ClaseSentencia::SinEfecto, "", s};
  if (es(0, "GO") || es(0, "PRINT")) return {ClaseSentencia::SinEfecto, "", s};
  auto nombre = [&](size_t i) {
    const bool citado = p[i]->clase == ClaseToken::Corchete || p[i]->clase == ClaseToken::Comillas;
    return citado ? p[i]->texto.substr(1, p[i]->texto.size() - 2) : p[i]->texto;
  };
  if (es(0, "USE") && p.size() > 1) return {ClaseSentencia::Usar, nombre(1), s};
  if (es(0, "CREATE") && es(1, "DATABASE") && p.size() > 2) return {ClaseSentencia::CrearBase, nombre(2), s};
  if (es(0, "EXEC") || es(0, "EXECUTE")) return {ClaseSentencia::Procedimiento, "", s};
  return {ClaseSentencia::Sql, TraducirSentencia(s, esquema), s};
}

std::vector<Sentencia> TraducirLote(const std::string& sql, const EsquemaDeTablas& esquema) {
  std::vector<Sentencia> out;
  for (const auto& s : DividirLote(sql)) out.push_back(ClasificarSentencia(s, esquema));
  return out;
}

}  // namespace dialecto_sqlite
