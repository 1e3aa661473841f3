#include "db/DB_Dll.h"
#include "services/BarraEstado.h"
#include "services/TextoSql.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

#ifndef UT_VORNA_VERSION_SERVICIOS
#define UT_VORNA_VERSION_SERVICIOS "0.0.0"
#endif

std::string TextoVersion() { return std::string("V.") + UT_VORNA_VERSION_SERVICIOS; }

namespace {

// Description of the cash box in `tabla`, looked up by its code trimmed.
std::string DescripcionCaja(const std::string& tabla) {
  return SinNulo(DB().DatosTabla(tabla, ComillasDobladas(gCaja), "Descripcion", "IdCajas", 8));
}

void PanelConAyuda(BarraEstado& barra, const std::string& clave, const std::string& texto) {
  barra.FijarTexto(clave, texto);
  barra.FijarAyuda(clave, texto);
}

}  // namespace

void PrepararBarraEstado(BarraEstado& barra, const std::string& mensaje) {
  barra.FijarTexto("MENSAJE", mensaje);
  if (!barra.Texto("SERVER").empty()) return;

  DB_Dll& db = DB();
  PanelConAyuda(barra, "SERVER", "Srv: " + db.gServidor);
  PanelConAyuda(barra, "USUARIO", "Uid: " + db.gUsuario);
  PanelConAyuda(barra, "BASEDEDATOS", "Db: " + db.gDBName);
  operador().ProcesarEventos();

  if (gCaja.empty()) gCaja = "1";
  // Without a connection the look-ups could only fail, each with a dialog.
  const bool conBase = db.gOpenFlag;
  if (conBase && texto::Recortado(DescripcionCaja("@Admin_V_TA_Cajas")).empty()) {
    db.EjecutaConsultaSQL("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('" +
                          ComillasDobladas(FormatearCodigo(texto::Recortado(gCaja), 4)) + "','CAJA " +
                          ComillasDobladas(gCaja) + "')");
  }
  barra.FijarTexto("CAJA", gCaja + " " + (conBase ? DescripcionCaja("V_TA_Cajas") : ""));
  barra.FijarTexto("VERSION", TextoVersion());

  for (const char* clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"}) barra.FijarAyuda(clave, barra.Texto(clave));
}
