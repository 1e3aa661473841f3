#include "provisioning/CrearLogin.h"

// The provisioning itself arrives with the SQL script runner it depends
// on; until then the start-up goes on with whatever the server already has.
void CrearLogin(const std::string& /*BaseDatos*/, const std::string& /*Usuario*/, const std::string& /*Clave*/,
                DB_Dll* /*Conexion*/) {}
