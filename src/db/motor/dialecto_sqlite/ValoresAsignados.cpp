#include "db/motor/dialecto_sqlite/ValoresAsignados.h"

#include <optional>

#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

const size_t npos = std::string::npos;

struct Tramo {
  size_t desde, hasta;
};

// [desde, hasta) without the blanks and comments at either end.
Tramo SinBlancos(const std::vector<Token>& t, size_t desde, size_t hasta) {
  while (desde < hasta && !EsSignificativo(t[desde])) ++desde;
  while (hasta > desde && !EsSignificativo(t[hasta - 1])) --hasta;
  return {desde, hasta};
}

// The parts of [desde, hasta) between the commas outside parentheses.
std::vector<Tramo> PartesEntreComas(const std::vector<Token>& t, size_t desde, size_t hasta) {
  std::vector<Tramo> partes;
  int nivel = 0;
  size_t inicio = desde;
  for (size_t j = desde; j < hasta; ++j) {
    if (EsSimbolo(t[j], "(")) ++nivel;
    else if (EsSimbolo(t[j], ")")) --nivel;
    else if (EsSimbolo(t[j], ",") && nivel == 0) {
      partes.push_back(SinBlancos(t, inicio, j));
      inicio = j + 1;
    }
  }
  partes.push_back(SinBlancos(t, inicio, hasta));
  return partes;
}

bool EsNombre(const Token& k) {
  return k.clase == ClaseToken::Palabra || k.clase == ClaseToken::Corchete || k.clase == ClaseToken::Comillas;
}

std::string SinComillas(const Token& k) {
  if (k.clase == ClaseToken::Corchete) return texto::ReemplazarTodo(k.texto.substr(1, k.texto.size() - 2), "]]", "]");
  if (k.clase == ClaseToken::Comillas)
    return texto::ReemplazarTodo(k.texto.substr(1, k.texto.size() - 2), "\"\"", "\"");
  return k.texto;
}

// A name, maybe qualified (dbo.T, [dbo].[T], T.C), starting at `i`: its
// last part; `ultimo` is left on its last token.
std::optional<std::string> NombreEn(const std::vector<Token>& t, size_t i, size_t& ultimo) {
  if (i == npos || !EsNombre(t[i])) return std::nullopt;
  ultimo = i;
  for (;;) {
    const size_t punto = Siguiente(t, ultimo);
    if (punto == npos || !EsSimbolo(t[punto], ".")) break;
    const size_t parte = Siguiente(t, punto);
    if (parte == npos || !EsNombre(t[parte])) break;
    ultimo = parte;
  }
  return SinComillas(t[ultimo]);
}

std::vector<ValorAsignado> DeInsert(const std::vector<Token>& t, size_t i) {
  i = Siguiente(t, i);
  if (i != npos && EsPalabra(t[i], "INTO")) i = Siguiente(t, i);
  size_t fin = 0;
  const auto tabla = NombreEn(t, i, fin);
  if (!tabla) return {};
  i = Siguiente(t, fin);
  bool conLista = false;
  std::vector<std::string> columnas;
  if (i != npos && EsSimbolo(t[i], "(")) {
    const size_t cierre = CierreDe(t, i);
    if (cierre == npos) return {};
    for (const Tramo& p : PartesEntreComas(t, i + 1, cierre)) {
      if (p.hasta != p.desde + 1 || !EsNombre(t[p.desde])) return {};
      columnas.push_back(SinComillas(t[p.desde]));
    }
    conLista = true;
    i = Siguiente(t, cierre);
  }
  if (i == npos || !EsPalabra(t[i], "VALUES")) return {};
  std::vector<ValorAsignado> valores;
  for (i = Siguiente(t, i); i != npos && EsSimbolo(t[i], "(");) {
    const size_t cierre = CierreDe(t, i);
    if (cierre == npos) break;
    size_t k = 0;
    for (const Tramo& p : PartesEntreComas(t, i + 1, cierre)) {
      ValorAsignado v{*tabla, "", npos, p.desde, p.hasta, npos};
      if (!conLista) v.posicion = k;
      else if (k < columnas.size()) v.columna = columnas[k];
      valores.push_back(v);
      ++k;
    }
    i = Siguiente(t, cierre);
    if (i == npos || !EsSimbolo(t[i], ",")) break;
    i = Siguiente(t, i);
  }
  return valores;
}

// The SET list runs to the WHERE, FROM, OUTPUT or OPTION of the same
// statement (outside parentheses), or to its end.
size_t FinDeListaSet(const std::vector<Token>& t, size_t set) {
  int nivel = 0;
  for (size_t j = set + 1; j < t.size(); ++j) {
    if (EsSimbolo(t[j], "(")) ++nivel;
    else if (EsSimbolo(t[j], ")")) --nivel;
    else if (nivel == 0 && (EsSimbolo(t[j], ";") || EsPalabra(t[j], "WHERE") || EsPalabra(t[j], "FROM") ||
                            EsPalabra(t[j], "OUTPUT") || EsPalabra(t[j], "OPTION")))
      return j;
  }
  return t.size();
}

size_t PrimerIgual(const std::vector<Token>& t, const Tramo& p) {
  int nivel = 0;
  for (size_t j = p.desde; j < p.hasta; ++j) {
    if (EsSimbolo(t[j], "(")) ++nivel;
    else if (EsSimbolo(t[j], ")")) --nivel;
    else if (nivel == 0 && EsSimbolo(t[j], "=")) return j;
  }
  return npos;
}

std::vector<ValorAsignado> DeUpdate(const std::vector<Token>& t, size_t i) {
  size_t fin = 0;
  const auto tabla = NombreEn(t, Siguiente(t, i), fin);
  if (!tabla) return {};
  // Table hints may stand between the name and SET.
  size_t set = fin;
  int nivel = 0;
  for (set = Siguiente(t, set); set != npos; set = Siguiente(t, set)) {
    if (EsSimbolo(t[set], "(")) ++nivel;
    else if (EsSimbolo(t[set], ")")) --nivel;
    else if (nivel == 0 && (EsPalabra(t[set], "SET") || EsSimbolo(t[set], ";"))) break;
  }
  if (set == npos || !EsPalabra(t[set], "SET")) return {};
  std::vector<ValorAsignado> valores;
  for (const Tramo& p : PartesEntreComas(t, set + 1, FinDeListaSet(t, set))) {
    const size_t igual = PrimerIgual(t, p);
    if (igual == npos) continue;
    const Tramo valor = SinBlancos(t, igual + 1, p.hasta);
    ValorAsignado v{*tabla, "", npos, valor.desde, valor.hasta, igual};
    size_t ultimo = 0;
    if (auto columna = NombreEn(t, p.desde, ultimo); columna && Siguiente(t, ultimo) == igual) v.columna = *columna;
    valores.push_back(v);
  }
  return valores;
}

}  // namespace

std::vector<ValorAsignado> ValoresAsignados(const std::vector<Token>& t) {
  const size_t primero = Siguiente(t, npos);
  if (primero == npos) return {};
  if (EsPalabra(t[primero], "INSERT")) return DeInsert(t, primero);
  if (EsPalabra(t[primero], "UPDATE")) return DeUpdate(t, primero);
  return {};
}

bool EsLiteralSolo(const std::vector<Token>& t, const ValorAsignado& v) {
  return v.hasta == v.desde + 1 &&
         (t[v.desde].clase == ClaseToken::Literal || t[v.desde].clase == ClaseToken::FechaAccess);
}

}  // namespace dialecto_sqlite
