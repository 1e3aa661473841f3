#include "db/DB_Dll.h"

DB_Dll::DB_Dll() : gCnn(std::make_shared<Conexion>()) {}

DB_Dll& DB() {
  static DB_Dll* compartida = new DB_Dll();  // lives until the process ends, connection open
  return *compartida;
}

DB_Dll& DBEstadisticas() {
  static DB_Dll* estadisticas = new DB_Dll();
  return *estadisticas;
}
