#include "app/BaseEstadisticas.h"

#include <cmath>
#include <optional>

#include "db/DB_Dll.h"
#include "provisioning/CrearLogin.h"
#include "services/Configuracion.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {

bool Abierta(const DB_Dll& db) { return db.gCnn && db.gCnn->State() == estado_objeto::Abierto; }

// The time-out stored in the statistics database; none when the value
// does not fit a command time-out: past the 16-bit range the reading fails,
// and a negative one is no time-out a connection accepts, so the run keeps
// its 360 seconds.
std::optional<int16_t> TiempoGuardado() {
  const double valor = Val(CfgPX("TimeOut"));
  if (valor < 0 || valor > 32767) return std::nullopt;
  return static_cast<int16_t>(std::nearbyint(valor));
}

}  // namespace

void AbrirBaseEstadisticas() {
  gTiempoComandos = kTiempoComandosPredeterminado;
  DB_Dll& estadisticas = DBEstadisticas();
  if (Abierta(estadisticas)) estadisticas.gCnn->Close();

  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);

  const DB_Dll& principal = DB();
  estadisticas.gProveedor = DB_Dll::pSQLOLEDB();
  estadisticas.gServidor = principal.gServidor;
  estadisticas.gDBName = kBaseEstadisticas;
  estadisticas.gUsuario = kUsuarioEstadisticas;
  estadisticas.gUserPassWord = kClaveEstadisticas;
  estadisticas.OpenServerADODB(false, 3, "", true, false);

  if (estadisticas.gOpenFlag && Abierta(estadisticas)) {
    estadisticas.gCnn->FijarDefaultDatabase(kBaseEstadisticas);
    if (auto tiempo = TiempoGuardado()) gTiempoComandos = *tiempo;
    if (gTiempoComandos == 0) GrabaCfgPX("TimeOut", Variant(0), "", false, "BaseDeDatos", true);
  }
  if (gTiempoComandos == 0) gTiempoComandos = kTiempoComandosPredeterminado;
}
