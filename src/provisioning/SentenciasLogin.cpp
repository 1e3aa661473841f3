#include "provisioning/SentenciasLogin.h"

namespace sentencias_login {

std::string AgregarLogin(const std::string& usuario, const std::string& clave, const std::string& base,
                         const std::string& resto) {
  return "EXEC  sp_addlogin N'" + usuario + "', '" + clave + "', '" + base + "'" + resto;
}

std::string RolServidor(const std::string& usuario, const char* rol) {
  return "EXEC sp_addsrvrolemember N'" + usuario + rol;
}

std::string AccesoBase(const std::string& usuario) {
  return "EXEC sp_grantdbaccess @loginame = '" + usuario + "' , @name_in_db ='" + usuario + "'";
}

std::string RolBase(const std::string& usuario, const char* rol) {
  return "EXEC sp_addrolemember N'" + std::string(rol) + "', N'" + usuario + "'";
}

}  // namespace sentencias_login
