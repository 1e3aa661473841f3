#pragma once
// DB_Dll, the database object: every database read and write of the program
// goes through it. It owns one ADO-shaped connection (gCnn) to SQL Server,
// Oracle or a local file (SQLite here), builds the program's SQL texts,
// rewrites them for restricted users (confidentiality views) and for Oracle,
// and handles failures with the standard dialog and PXERR.LOG line.
//
// Nothing here throws: each member runs as explicit steps; a failed step is
// repeated, skipped or the member left according to the operator's answer
// code (4 retry, 5 ignore, other leave). Statement failures stay in
// gCnn->Errors for the caller.
//
// Members that read the shared instance instead of their own fields
// (the administrator check, ExisteCampoDB's provider test, the error-list
// checks of EjecutaConsultaSQL, ReintentaConectar's credentials,
// ExisteEnTablaST's connection, the schema helpers' error dialog) say so.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "db/Conexion.h"
#include "db/Recordset.h"
#include "sivlib/DialogoArchivo.h"
#include "sivlib/ErrorSistema.h"
#include "sivlib/Variant.h"

class DB_Dll {
 public:
  DB_Dll();
  DB_Dll(const DB_Dll&) = delete;
  DB_Dll& operator=(const DB_Dll&) = delete;

  // ---- Public state, in the object's declaration order ----
  std::unique_ptr<DialogoArchivo> CmdDlg;  // created on first use by OpenLocalADODB
  bool gOpenFlag = false;                  // the connection is considered usable
  Variant gIgnoraPassWord;                 // read as a boolean (null = false)
  std::shared_ptr<Conexion> gCnn;          // the connection (always present, closed until opened)
  std::shared_ptr<Recordset> glrcs;        // slot for callers
  Variant gCursorLocation;                 // slot for callers
  std::string gProveedor;                  // OLE DB provider name
  std::string gDsn;                        // slot for callers
  std::string gServidor;                   // server; a "#" selects Oracle; "sqlite" the embedded engine
  std::string gDBName;                     // database / Oracle data source / file path
  std::string gUsuario;
  bool gEsAdmin = false;  // administrator: no confidentiality rewriting
  std::string gUserPassWord;
  std::string gConnString;     // the connection string last built or given
  std::string gExtended;       // appended to built SQL Server / Access strings
  std::string gLogErr;         // error log path (ArchivoErrores)
  bool ParametrosSQL = false;  // slot for callers
  int16_t gPXTimeOut = 0;      // slot for callers

  // ---- Provider names ----
  static std::string pJETOLEDB40() { return "Microsoft.Jet.OLEDB.4.0"; }
  static std::string pJETOLEDB35() { return "Microsoft.Jet.OLEDB.3.51"; }
  static std::string pSQLOLEDB() { return "SQLOLEDB"; }

  // ---- Connections and providers ----
  // Opens gCnn; afterwards read gOpenFlag (and gEsAdmin). PideParametrosSQL
  // shows the login window first; a non-blank ConnString is used instead of
  // building one; ValidaAdmin runs the administrator check; MuestraError
  // shows connection errors with a retry offer, false fails quietly.
  void OpenServerADODB(bool PideParametrosSQL = false, long lCursor = 3, const std::string& ConnString = {},
                       bool ValidaAdmin = true, bool MuestraError = true);
  // Closes and reopens gCnn with its own string; result in gOpenFlag.
  void ReintentaConectar();
  // Opens gCnn on a local database file (Access on Windows, SQLite here).
  void OpenLocalADODB(const std::string& ConnString = {}, const std::string& CadenaID = "User ID",
                      const std::string& CadenaPWD = "Password");
  // The SQL Server / Oracle connection string built from the fields (also stored in gConnString).
  std::string ConstruirCadenaConexion();

  // ---- Record lookup and recordsets ----
  // Tipodato: 8 text, 7 date, 3/4/5 numbers, other or omitted pasted as is.
  bool ExisteEnTabla(const std::string& Tabla, const std::string& ValorBuscado, const std::string& Campo,
                     Recordset* Lrcs = nullptr, std::optional<int> Tipodato = std::nullopt,
                     const std::string& Condicion = {}, bool SoloLectura = true);
  bool ExisteEnTablaST(const std::string& Tabla, const std::string& ValorBuscado, const std::string& Campo,
                       Recordset* Lrcs = nullptr, std::optional<int> Tipodato = std::nullopt,
                       const std::string& Condicion = {}, bool SoloLectura = true);
  // Text of CampoDevuelto of the first matching row; "" when none; an empty
  // variant when gOpenFlag is false after the read.
  Variant DatosTabla(const std::string& Tabla, const std::string& ValorBuscado, const std::string& CampoDevuelto,
                     const std::string& Campo, std::optional<int> Tipodato = std::nullopt,
                     const std::string& Condicion = {}, bool UsaTrim = true, bool IgnoraError = false);
  // Opens Lrcs on the statement (rewritten in place by SS_TSinonimos).
  void AbrirRecordset(std::string& SentenciaSQL, Recordset& Lrcs, Conexion* Conexionactiva = nullptr,
                      long CursorType = cursor_ado::SoloAvance, long LockType = bloqueo_ado::SoloLectura,
                      long Options = -1, bool ConvOracle = true);
  void AbrirRecordset(const std::string& SentenciaSQL, Recordset& Lrcs, Conexion* Conexionactiva = nullptr,
                      long CursorType = cursor_ado::SoloAvance, long LockType = bloqueo_ado::SoloLectura,
                      long Options = -1, bool ConvOracle = true);
  void CierraRecordset(Recordset& LrcsTemp);
  // Largest / smallest value of a column. Their database errors reach the
  // caller through `error` (when given) and gCnn->Errors.
  Variant BuscaMaximo(const std::string& QueTabla, const std::string& QueCampo, std::optional<int> Tipo = std::nullopt,
                      std::optional<std::string> Condicion = std::nullopt, ErrorSistema* error = nullptr);
  Variant BuscaMinimo(const std::string& QueTabla, const std::string& QueCampo, std::optional<int> Tipo = std::nullopt,
                      std::optional<std::string> Condicion = std::nullopt, ErrorSistema* error = nullptr);
  Variant BuscaUltimoCodigo(const std::string& QueTabla, const std::string& QueCampo,
                            std::optional<int> Tipo = std::nullopt, const std::string& Condicion = {},
                            ErrorSistema* error = nullptr);
  // Members of the interface without a body.
  void QConsulta(const Variant& /*TB*/, const Variant& /*Rsp*/, const Variant& /*Cl1*/, const Variant& /*Cl2*/,
                 const Variant& /*CmpDisplay*/, const Variant& /*SQLWHERE*/) {}
  void QGridConsulta(const Variant& /*Sentencia*/, const Variant& /*CampoDevuelto1*/, const Variant& /*gCnnString*/,
                     const Variant& /*CampoDevuelto2*/, const Variant& /*CampoDevuelto3*/) {}

  // ---- Statement execution ----
  // Runs statements that return no rows for the caller (or whole scripts);
  // SentenciaSQL receives the prepared text, RecordsAffected the count, Lrcs
  // (when given) the rows returned. Never fails to the caller: errors stay
  // in the shared instance's gCnn->Errors.
  void EjecutaConsultaSQL(std::string& SentenciaSQL, long& RecordsAffected, Recordset* Lrcs = nullptr);
  void EjecutaConsultaSQL(const std::string& SentenciaSQL);
  // The same with the dialog title "Aviso al operador!!!".
  void EjecutaConsultaRSQL(std::string& SentenciaSQL, long& RecordsAffected, Recordset* Lrcs = nullptr);

  // ---- SQL literal formatting ----
  static bool adodate(const Variant& Qtype);
  static bool ADOText(const Variant& Qtype);
  static bool ADONumeric(const Variant& Qtype);
  static bool ADOCurrency(const Variant& Qtype);
  static bool ADOBoolean(const Variant& Qtype);
  static std::string ADOComilla(const Variant& Qtype);
  // Tipo "@" amount with ".", "'" quoted text, other unchanged; null gives NULL (or 0 for "@").
  static Variant SQLValue(Variant Valor, const std::string& Tipo);
  // rnPart false on a name without a dot fails (error 5 in `error`, result "").
  static std::string stSTF(std::string& rsName, bool rnPart, ErrorSistema* error = nullptr);
  static std::string AddBrackets(const std::string& rObjName);
  static std::string StripConnect(const std::string& rsTblName);
  static std::string StripBrackets(const std::string& rsObjName);
  static std::string StripOwner(std::string& rsTblName);
  static std::string StripFileName(const std::string& rsFileName);

  // ---- Dialect translation and confidentiality views ----
  std::string SS_TSinonimos(const std::string& texto) const;
  // Oracle only (gConnString names an Oracle provider, EsDialectoOracle). An unmatched quote fails
  // with error 5 in `error`; the text then comes back untranslated.
  std::string ORACLE_Dicc(const std::string& Valor, ErrorSistema* error = nullptr) const;

  // ---- Schema helpers ----
  bool ExisteTablaDB(const std::string& Tabla);
  bool ExisteCampoDB(const std::string& Tabla, const std::string& Campo);
  void AddField(const std::string& Tabla, const std::string& Campo, const std::string& Tipo, bool PermiteNulos,
                std::optional<Variant> ValorDefault = std::nullopt);
  bool VerCampoDB(const std::string& Tabla, const std::string& Campo, bool Agregar, const std::string& Tipo,
                  bool PermiteNulos, std::optional<Variant> ValorDefault = std::nullopt);

  // ---- Error treatment and error log ----
  // Dialog (default buttons 18), PXERR.LOG line, answer code; 0 for error 0.
  int16_t TratamientoErrores(const ErrorSistema& CodErr, std::optional<int> Botones = std::nullopt,
                             std::optional<std::string> Rutina = std::nullopt);
  Variant ArchivoErrores() const { return Variant(gLogErr); }
  void ArchivoErrores(const Variant& valor) { gLogErr = valor.Texto(); }
  // Where TratamientoErrores writes: gLogErr, else the application folder + "PXERR.LOG".
  std::string RutaRegistro() const;

 private:
  void EjecutarConTitulo(std::string& SentenciaSQL, long& RecordsAffected, Recordset* Lrcs, const std::string& titulo,
                         Conexion& listaErrores);
  ErrorSistema DividirOracle(std::string& SentenciaSQL, long& RecordsAffected);
  bool PedirCredenciales();
  bool ExisteEnTablaComun(bool conTop, const std::string& Tabla, const std::string& ValorBuscado,
                          const std::string& Campo, Recordset* Lrcs, std::optional<int> Tipodato,
                          const std::string& Condicion, bool SoloLectura);
  Variant BuscaExtremo(const std::string& funcion, const std::string& alias, const std::string& QueTabla,
                       const std::string& QueCampo, const std::string& desdeTabla, std::optional<std::string> Condicion,
                       bool reglaCeros, bool comoLeido, bool recortar, ErrorSistema* error);
};

// The shared instance (created on first use, never released) and the
// statistics instance.
DB_Dll& DB();
DB_Dll& DBEstadisticas();
