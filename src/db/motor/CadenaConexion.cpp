#include "db/motor/CadenaConexion.h"

#include "sivlib/Texto.h"

namespace {

// ADO allows a value in double quotes or braces when it holds a ";".
size_t FinDeValor(const std::string& t, size_t desde, std::string& valor) {
  size_t i = desde;
  while (i < t.size() && t[i] == ' ') ++i;
  if (i < t.size() && (t[i] == '"' || t[i] == '{')) {
    const char cierre = t[i] == '"' ? '"' : '}';
    const size_t fin = t.find(cierre, i + 1);
    if (fin != std::string::npos) {
      valor = t.substr(i + 1, fin - i - 1);
      const size_t pc = t.find(';', fin);
      return pc == std::string::npos ? t.size() : pc;
    }
  }
  const size_t pc = t.find(';', desde);
  const size_t fin = pc == std::string::npos ? t.size() : pc;
  valor = texto::Recortado(t.substr(desde, fin - desde));
  return fin;
}

}  // namespace

CadenaConexion::CadenaConexion(const std::string& t) {
  size_t i = 0;
  while (i < t.size()) {
    const size_t igual = t.find('=', i);
    const size_t pc = t.find(';', i);
    if (igual == std::string::npos || (pc != std::string::npos && pc < igual)) {
      if (pc == std::string::npos) break;  // trailing text without "=": ignored
      i = pc + 1;
      continue;
    }
    std::string clave = texto::Recortado(t.substr(i, igual - i));
    std::string valor;
    const size_t fin = FinDeValor(t, igual + 1, valor);
    if (!clave.empty()) {
      bool reemplazada = false;
      for (auto& par : pares_)
        if (texto::IgualesSinCaso(par.first, clave)) par.second = valor, reemplazada = true;
      if (!reemplazada) pares_.emplace_back(std::move(clave), std::move(valor));
    }
    i = fin + 1;
  }
}

std::string CadenaConexion::Valor(std::initializer_list<const char*> claves) const {
  for (const char* c : claves)
    for (const auto& par : pares_)
      if (texto::IgualesSinCaso(par.first, c)) return par.second;
  return {};
}

bool CadenaConexion::Tiene(const char* clave) const {
  for (const auto& par : pares_)
    if (texto::IgualesSinCaso(par.first, clave)) return true;
  return false;
}
