#include "db/motor/MotorOdbc.h"
#include "db/motor/MotorSinProveedor.h"
#include "db/motor/MotorSqlite.h"
std::unique_ptr<Motor> CrearMotorSqlite() { return CrearMotorSinProveedor("sqlite"); }
std::unique_ptr<Motor> CrearMotorOdbc(TipoOdbc) { return CrearMotorSinProveedor("odbc"); }
