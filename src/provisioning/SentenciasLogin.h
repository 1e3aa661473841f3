#pragma once
// The SQL Server statements that create the statistics login and grant
// its roles, with their exact spacing (the suite's programs and servers
// have always received them so).
#include <string>

namespace sentencias_login {

// "EXEC  sp_addlogin N'<usuario>', '<clave>', '<base>'" (two blanks after
// EXEC), followed by `resto` (",'Spanish'" from the start-up).
std::string AgregarLogin(const std::string& usuario, const std::string& clave, const std::string& base,
                         const std::string& resto);
// "EXEC sp_addsrvrolemember N'<usuario>" + role piece, one per server role.
std::string RolServidor(const std::string& usuario, const char* rol);
// "EXEC sp_grantdbaccess @loginame = '<usuario>' , @name_in_db ='<usuario>'".
std::string AccesoBase(const std::string& usuario);
// "EXEC sp_addrolemember N'<rol>', N'<usuario>'".
std::string RolBase(const std::string& usuario, const char* rol);

}  // namespace sentencias_login
