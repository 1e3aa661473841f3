#pragma once
// The ODBC driver names the engine connects through.
//
// SQL Server goes to "FreeTDS" and Oracle to "Oracle" unless configured:
//  - the environment variables UT_VORNA_DRIVER_SQLSERVER / UT_VORNA_DRIVER_ORACLE
//    (they win, so a test or an administrator can point one run elsewhere);
//  - the settings file CN000pr.INI, section [ODBC], keys DriverSqlServer and
//    DriverOracle, which the program reads at start and passes to
//    FijarControladoresOdbc;
//  - otherwise the defaults.
// The names are those of odbcinst.ini (`odbcinst -q -d` lists them).
#include <string>

// Empty texts leave the default of that driver.
void FijarControladoresOdbc(const std::string& sqlServer, const std::string& oracle);
std::string ControladorSqlServer();
std::string ControladorOracle();
