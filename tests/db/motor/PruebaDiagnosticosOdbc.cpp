// ODBC's diagnostics numbered as the OLE DB provider numbered the same
// failures: the program reconnects on the unspecified-error number only, so
// only a lost connection may carry it.
#include <gtest/gtest.h>

#include "db/ErroresProveedor.h"
#include "db/motor/DiagnosticosOdbc.h"

namespace {

TEST(DiagnosticosOdbc, NumeroAdoDeCadaEstado) {
  const std::string ocupada = "[FreeTDS][SQL Server]Connection is busy with results for another command";
  struct Caso {
    const char* estado;
    std::string mensaje;
    MomentoOdbc momento;
    long numero;
  } casos[] = {
      // The connection is gone: the reader reconnects.
      {"08S01", "Communication link failure", MomentoOdbc::Sentencia, ado::ErrorNoEspecificado},
      {"08001", "Unable to connect", MomentoOdbc::Sentencia, ado::ErrorNoEspecificado},
      // Failures of the statement: the dialog.
      {"HYT00", "Query timeout expired", MomentoOdbc::Sentencia, ado::TiempoAgotado},
      {"HYT01", "Connection timeout expired", MomentoOdbc::Sentencia, ado::TiempoAgotado},
      {"HY008", "Operation canceled", MomentoOdbc::Sentencia, ado::OperacionCancelada},
      {"HY000", ocupada, MomentoOdbc::Sentencia, ado::ObjetoEnUso},
      {"24000", "Invalid cursor state", MomentoOdbc::Sentencia, ado::ObjetoEnUso},
      {"42S02", "Invalid object name 'X'.", MomentoOdbc::Sentencia, ado::TablaInexistente},
      {"23000", "Violation of PRIMARY KEY constraint", MomentoOdbc::Sentencia, ado::ViolacionIntegridad},
      {"42000", "Incorrect syntax near 'x'.", MomentoOdbc::Sentencia, ado::ErrorEnComando},
      {"37000", "Syntax error", MomentoOdbc::Sentencia, ado::ErrorEnComando},
      {"40001", "Transaction was deadlocked", MomentoOdbc::Sentencia, ado::ErrorEnComando},
      {"22001", "String or binary data would be truncated.", MomentoOdbc::Sentencia, ado::DatosDesbordados},
      {"22003", "Arithmetic overflow error", MomentoOdbc::Sentencia, ado::DatosDesbordados},
      {"22007", "Conversion failed when converting date", MomentoOdbc::Sentencia, ado::ConversionImposible},
      {"22008", "The conversion resulted in an out-of-range value", MomentoOdbc::Sentencia, ado::ConversionImposible},
      {"22018", "Conversion failed when converting the varchar value", MomentoOdbc::Sentencia,
       ado::ConversionImposible},
      {"22012", "Divide by zero error encountered.", MomentoOdbc::Sentencia, ado::ErrorEnComando},
      {"28000", "Login failed for user 'ana'.", MomentoOdbc::Sentencia, ado::AccesoDenegado},
      // A driver's own failure (the SQLite driver says HY000 for everything).
      {"HY000", "[SQLite]integer overflow (1)", MomentoOdbc::Sentencia, ado::ErrorNoEspecificado},
      // Messages are no failure.
      {"01000", "Changed the trigger's counter", MomentoOdbc::Sentencia, 0},
      {"01004", "String data, right truncated", MomentoOdbc::Sentencia, 0},
      // At login every failure reads as an unreachable server, but a refused login.
      {"HYT00", "Login timeout expired", MomentoOdbc::Conexion, ado::ErrorNoEspecificado},
      {"42000", "Cannot open database \"ERP\" requested by the login.", MomentoOdbc::Conexion,
       ado::ErrorNoEspecificado},
      {"28000", "Login failed for user 'ana'.", MomentoOdbc::Conexion, ado::AccesoDenegado},
      {"01000", "Changed language setting", MomentoOdbc::Conexion, 0},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(NumeroAdoDeEstado(c.estado, c.mensaje, c.momento), c.numero) << c.estado << " " << c.mensaje;
}

TEST(DiagnosticosOdbc, LosMensajesQuedanEnLaListaSinContarComoFallos) {
  ErroresProveedor lista;
  EXPECT_EQ(lista.Fallos(), 0);
  EXPECT_EQ(lista.PrimerFallo().nativo, 0);
  lista.Agregar({"01000", 0, "Fila registrada por el disparador", 0, "x"});
  EXPECT_EQ(lista.Count(), 1);
  EXPECT_EQ(lista.Fallos(), 0);
  lista.Agregar({"23000", ado::ViolacionIntegridad, "Violation of PRIMARY KEY constraint", 2627, "x"});
  lista.Agregar({"01000", 0, "The statement has been terminated.", 3621, "x"});
  EXPECT_EQ(lista.Count(), 3);
  EXPECT_EQ(lista.Fallos(), 1);
  EXPECT_EQ(lista.PrimerFallo().nativo, 2627);
}

}  // namespace
