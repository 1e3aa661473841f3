// Splitting, bracketing and stripping table, owner and file names.
#include "db/DB_Dll.h"

std::string DB_Dll::stSTF(std::string& rsName, bool rnPart, ErrorSistema* error) {
  const size_t punto = rsName.find('.');
  if (punto != std::string::npos && rsName.find('.', punto + 1) != std::string::npos) return StripOwner(rsName);
  if (rnPart) return punto == std::string::npos ? rsName : rsName.substr(punto + 1);
  if (punto == std::string::npos) {
    // The owner part of a name without owner does not exist.
    if (error) *error = ErrorSistema{errores::ArgumentoInvalido, "Invalid procedure call or argument", "stSTF"};
    return {};
  }
  return rsName.substr(0, punto);
}

std::string DB_Dll::AddBrackets(const std::string& n) {
  if (n.find(' ') != std::string::npos && (n.empty() || n[0] != '[')) return "[" + n + "]";
  return n;
}

std::string DB_Dll::StripConnect(const std::string& n) {
  const size_t flecha = n.find("->");
  if (flecha == std::string::npos) return n;
  // "name ->target": the blank before the arrow goes with it.
  return flecha == 0 ? std::string() : n.substr(0, flecha - 1);
}

std::string DB_Dll::StripBrackets(const std::string& n) {
  if (n.empty() || n[0] != '[') return n;
  return n.size() < 2 ? std::string() : n.substr(1, n.size() - 2);
}

std::string DB_Dll::StripOwner(std::string& n) {
  const size_t punto = n.find('.');
  if (punto != std::string::npos) n = n.substr(punto + 1);
  return n;
}

std::string DB_Dll::StripFileName(const std::string& ruta) {
  // Either separator ends the folder, so Windows and Linux paths both work.
  const size_t barra = ruta.find_last_of("\\/");
  return barra == std::string::npos ? std::string() : ruta.substr(0, barra);
}
