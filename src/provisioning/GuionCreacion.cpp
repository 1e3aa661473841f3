#include "provisioning/GuionCreacion.h"

#include "provisioning/RolesLogin.h"
#include "provisioning/SentenciasLogin.h"

std::string GuionCreacion(const std::string& usuario, const std::string& clave, const std::string& base) {
  using namespace sentencias_login;
  std::string s = "Create Database " + base + " COLLATE Latin1_General_CI_AI \r\r\n";
  s += "GO\r\r\n";
  s += "USE " + base + "\r\r\n";
  s += AgregarLogin(usuario, clave, base, "") + "\r\n";
  for (const char* rol : roles_login::kServidor) s += RolServidor(usuario, rol) + "\r\n";
  s += AccesoBase(usuario) + "\r\n";
  for (const char* rol : roles_login::kBase) s += RolBase(usuario, rol) + "\r\n";
  return s;
}
