#include "db/motor/CadenaOdbc.h"

#include "db/motor/CadenaConexion.h"
#include "db/motor/ControladoresOdbc.h"
#include "sivlib/Texto.h"

namespace {

// ODBC's quoting: a value with ";", braces or blanks at its ends goes
// between braces, with "}" doubled.
std::string Valor(const std::string& v) {
  if (v.find_first_of(";{}") == std::string::npos && v == texto::Recortado(v)) return v;
  return "{" + texto::ReemplazarTodo(v, "}", "}}") + "}";
}

std::string Par(const char* clave, const std::string& v) { return std::string(clave) + "=" + Valor(v) + ";"; }

std::string Controlador(const std::string& nombre) {
  return "DRIVER={" + texto::ReemplazarTodo(nombre, "}", "}}") + "};";
}

}  // namespace

std::string CadenaOdbc(TipoOdbc tipo, const std::string& ado, const std::string& usuario, const std::string& clave) {
  const CadenaConexion c(ado);
  const std::string uid = usuario.empty() ? c.Valor({"UID", "User ID", "User Id", "User"}) : usuario;
  const std::string pwd = clave.empty() ? c.Valor({"PWD", "Password"}) : clave;
  if (tipo == TipoOdbc::Directo) {
    std::string s = ado;
    if (!s.empty() && s.back() != ';') s += ';';
    if (!usuario.empty()) s += Par("UID", usuario);
    if (!clave.empty()) s += Par("PWD", clave);
    return s;
  }
  if (tipo == TipoOdbc::Oracle)
    return Controlador(ControladorOracle()) + Par("DBQ", c.Valor({"Data Source", "DBQ"})) + Par("UID", uid) +
           Par("PWD", pwd);

  const std::string driver = ControladorSqlServer();
  const bool freetds = texto::ContieneSinCaso(driver, "FreeTDS");
  std::string servidor = c.Valor({"Server", "Data Source", "Address", "Addr"});
  std::string puerto;
  const size_t coma = servidor.find(',');
  if (freetds && coma != std::string::npos) {
    puerto = texto::Recortado(servidor.substr(coma + 1));
    servidor = texto::Recortado(servidor.substr(0, coma));
  }
  std::string s = Controlador(driver) + Par("Server", servidor);
  if (!puerto.empty()) s += Par("Port", puerto);
  const std::string base = c.Valor({"Database", "Initial Catalog"});
  if (!base.empty()) s += Par("Database", base);
  s += Par("UID", uid) + Par("PWD", pwd);
  if (freetds) {
    // Without a fixed protocol version FreeTDS tries one after another,
    // and against a server that never answers the login time-out is then
    // not honoured: the program would hang. 7.4 is what SQL Server 2012 and
    // later speak (older servers answer with their own); the ADO string
    // may name another one.
    const std::string version = c.Valor({"TDS_Version"});
    s += Par("TDS_Version", version.empty() ? "7.4" : version);
    s += "ClientCharset=UTF-8;";
    // FreeTDS sends the language of its configuration (us_english) in the
    // login record unless told none, and that language would override the
    // login's own default; the ADO string may still name one.
    s += Par("Language", c.Valor({"Language", "Current Language"}));
  }
  return s;
}
