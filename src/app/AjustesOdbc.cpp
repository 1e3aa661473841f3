#include "app/AjustesOdbc.h"

#include "app/lanzamiento/LineaLanzamiento.h"
#include "db/motor/AjustesResultados.h"
#include "db/motor/ControladoresOdbc.h"
#include "sivlib/ArchivoIni.h"

void LeerAjustesOdbc() {
  FijarControladoresOdbc(LeerValorIni(kArchivoConfiguracion, "ODBC", "DriverSqlServer", ""),
                         LeerValorIni(kArchivoConfiguracion, "ODBC", "DriverOracle", ""));
  FijarUnResultadoPorConexion(LeerValorIni(kArchivoConfiguracion, "ODBC", "UnResultadoPorConexion", "") == "1");
}
