// Oracle runs one statement per call: a script is cut at each statement
// keyword, transaction words go to the connection's own transaction calls,
// and the rest is translated and run one by one.
#include <array>
#include <string_view>

#include "db/DB_Dll.h"
#include "sivlib/Texto.h"

namespace {

using texto::ReemplazarSinCaso;

constexpr std::array<const char*, 12> kPalabras{"INSERT ",  "DELETE ",      "UPDATE ",         "CREATE ",
                                                "DROP ",    "ALTER ",       "SET TRANSACTION", "COMMIT",
                                                "ROLLBACK", "IF NOT EXIST", "IF EXIST",        "GRANT "};
constexpr long kAvisoOracle = 265929;

std::string Normalizar(std::string t) {
  const std::string crlf = "\r\n";
  t = ReemplazarSinCaso(t, "SET NOCOUNT ON", "");
  t = ReemplazarSinCaso(t, "SET NOCOUNT OFF", "");
  t = ReemplazarSinCaso(t, " GO ", " ");
  t = ReemplazarSinCaso(t, crlf + "GO ", " ");
  t = ReemplazarSinCaso(t, crlf + "GO ", " ");
  t = ReemplazarSinCaso(t, crlf + "GO" + crlf, " ");
  t = ReemplazarSinCaso(t, "\r", " ");
  t = ReemplazarSinCaso(t, crlf, " ");
  t = ReemplazarSinCaso(t, "BEGIN TRANSACTION", "SET TRANSACTION");
  t = ReemplazarSinCaso(t, "BEGIN TRANS", "SET TRANSACTION");
  t = ReemplazarSinCaso(t, "COMMIT TRANSACTION", "COMMIT");
  t = ReemplazarSinCaso(t, "COMMIT TRANS", "COMMIT");
  t = ReemplazarSinCaso(t, "ROLLBACK TRANSACTION", "ROLLBACK");
  t = ReemplazarSinCaso(t, "ROLLBACK TRANS", "ROLLBACK");
  return t;
}

// "WITH GRANT OPTION" ends a GRANT: cut there, both halves would fail.
bool EsClausulaGrant(const std::string& t, const char* palabra, size_t p) {
  return std::string_view(palabra) == "GRANT " && p >= 5 &&
         texto::IgualesSinCaso(std::string_view(t).substr(p - 5, 5), "WITH ");
}

size_t Buscar(const std::string& t, const char* palabra, size_t desde) {
  size_t p = texto::BuscarSinCaso(t, palabra, desde);
  while (p != std::string::npos && EsClausulaGrant(t, palabra, p)) p = texto::BuscarSinCaso(t, palabra, p + 1);
  return p;
}

// The first position at or after `desde` where any keyword occurs.
size_t SiguientePalabra(const std::string& t, size_t desde) {
  size_t menor = std::string::npos;
  for (const char* p : kPalabras) menor = std::min(menor, Buscar(t, p, desde));
  return menor;
}

// Blanks and the line feeds that the normalisation leaves behind (it only
// turns carriage returns into blanks), so that a "BEGIN TRANSACTION" on a
// line of its own is still recognised as one.
std::string Limpia(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\n");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t\n") - a + 1);
}

// Existence tests and NOCOUNT switches have no Oracle form: they are dropped.
bool SeBlanquea(const std::string& s) {
  return texto::ContieneSinCaso(s, "SET NOCOUNT") || texto::ContieneSinCaso(s, "IF NOT EXIST");
}

}  // namespace

ErrorSistema DB_Dll::DividirOracle(std::string& SentenciaSQL, long& RecordsAffected) {
  SentenciaSQL = Normalizar(SentenciaSQL);
  RecordsAffected = 0;
  std::string resto = SentenciaSQL;
  for (size_t inicio = SiguientePalabra(resto, 0); inicio != std::string::npos; inicio = SiguientePalabra(resto, 0)) {
    const size_t fin = SiguientePalabra(resto, inicio + 1);
    const std::string sentencia = Limpia(resto.substr(inicio, fin == std::string::npos ? fin : fin - inicio));
    resto = fin == std::string::npos ? std::string() : Limpia(resto.substr(fin));
    if (sentencia.empty()) continue;
    ErrorSistema e;
    if (texto::IgualesSinCaso(sentencia, "SET TRANSACTION")) {
      e = gCnn->BeginTrans();
    } else if (texto::IgualesSinCaso(sentencia, "COMMIT")) {
      e = gCnn->CommitTrans();
    } else if (texto::IgualesSinCaso(sentencia, "ROLLBACK")) {
      e = gCnn->RollbackTrans();
    } else {
      std::string traducida = ORACLE_Dicc(sentencia, &e);
      if (!e.HayError() && SeBlanquea(traducida)) traducida.clear();
      if (!e.HayError() && !traducida.empty()) {
        long filas = -1;
        e = gCnn->Execute(traducida, &filas);
        // Statements without a row count (DDL) report -1; that is no row.
        if (filas > 0) RecordsAffected += filas;
      }
    }
    if (e.HayError()) return e;
  }
  if (gCnn->Errors.Count() == 1 &&
      (gCnn->Errors.Item(0).numero == kAvisoOracle || gCnn->Errors.Item(0).nativo == kAvisoOracle))
    gCnn->Errors.Clear();
  return {};
}
