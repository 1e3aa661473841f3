#include "provisioning/PasadasGuion.h"

#include "db/DB_Dll.h"
#include "provisioning/ArchivoErroresGuion.h"
#include "provisioning/MacrosGuion.h"
#include "provisioning/VistaCuentas.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

namespace {

constexpr long kObjetoInexistente = 208;

bool Contiene(const std::string& en, const char* que) { return en.find(que) != std::string::npos; }

bool SeEjecuta(const std::string& copia, int pasada) {
  if (texto::Recortado(copia).empty()) return false;
  return pasada == 1 ? !Contiene(copia, "FMT_ESTADISTICAFH") : !Contiene(copia, "drop ");
}

// Runs one batch; true when it asks for another pass.
bool EjecutarLote(const GuionEnCurso& guion, const std::string& lote, int pasada, bool& errores) {
  DB_Dll& db = DB();
  std::string copia =
      VistaCuentas(ExpandirMacros(lote, FechaHora::Ahora(), db.gDBName), guion.archivo, guion.confidencial);
  if (SeEjecuta(copia, pasada)) {
    long filas = 0;
    db.EjecutaConsultaSQL(copia, filas, nullptr);
  }
  ErroresProveedor& lista = db.gCnn->Errors;
  // PRINT output and other informational records stay in the list but are
  // not failures of the statement.
  const bool fallo = lista.Fallos() > 0;
  const ErrorProveedor& primero = lista.PrimerFallo();
  if (fallo && !EsErrorEsperado(primero.nativo)) {
    guion.anotar(BloqueError(FechaHora::Ahora(), primero.nativo, primero.descripcion, copia));
    errores = true;
  }
  const bool otraPasada = fallo && primero.nativo == kObjetoInexistente;
  lista.Clear();
  operador().ProcesarEventos();
  return otraPasada;
}

}  // namespace

bool EsErrorEsperado(long nativo) {
  switch (nativo) {
    case 208:   // invalid object name
    case 1779:  // the table already has a primary key
    case 1781:  // the column already has a default
    case 1913:  // an index or statistics of that name exists
    case 2714:  // an object of that name exists
    case 2729:  // a procedure of that name and group exists
      return true;
    default: return false;
  }
}

bool EjecutarPasadas(const GuionEnCurso& guion) {
  bool errores = false;
  for (int pasada = 1; pasada <= kMaximoPasadas; ++pasada) {
    bool otraPasada = false;
    for (const std::string& lote : guion.lotes)
      if (EjecutarLote(guion, lote, pasada, errores)) otraPasada = true;
    if (!otraPasada) break;
  }
  return errores;
}
