#include "db/motor/MotorOdbc.h"
#include "db/motor/MotorSinProveedor.h"
std::unique_ptr<Motor> CrearMotorOdbc(TipoOdbc) { return CrearMotorSinProveedor("odbc"); }
