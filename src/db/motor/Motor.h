#pragma once
// The engine interface under the database object: what the ADO-shaped
// connection (gCnn) needs from a real database. Engines: ODBC (SQL Server
// through FreeTDS, Oracle through an Oracle driver), embedded SQLite (the
// demo and test database, and the local-file providers), and a recording
// engine for tests that assert statement texts.
//
// Failures never travel as exceptions: each call returns a Resultado with
// the ADO error number (0 = success) and the provider error records that
// the connection appends to its error list.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sivlib/Variant.h"

// One record of the connection's provider error list.
struct ErrorProveedor {
  std::string estadoSql;  // SQL state, e.g. "42S02"
  long numero = 0;        // ADO error number of the record
  std::string descripcion;
  long nativo = 0;     // native code: SQL Server's numbers (208, 2714, 2627, 547, 8152 ...)
  std::string origen;  // provider / driver name
};

// ADO error numbers the program acts on.
namespace ado {
constexpr long ErrorNoEspecificado = -2147467259;  // 0x80004005
constexpr long ViolacionIntegridad = -2147217873;
constexpr long TablaInexistente = -2147217865;
constexpr long ErrorEnComando = -2147217900;
constexpr long ObjetoAbierto = 3705;
constexpr long ObjetoCerrado = 3704;
constexpr long ConexionInutilizable = 3709;
constexpr long ContextoInvalido = 3219;
constexpr long FinDeArchivo = 3021;      // BOF or EOF is true
constexpr long ItemNoEncontrado = 3265;  // field name not in the collection
constexpr long FalloProveedor = 3000;    // the provider failed to perform the operation
// The OLE DB provider's numbers for the failures ODBC reports by SQL state.
constexpr long TiempoAgotado = -2147217871;        // 0x80040E31 query time-out expired
constexpr long ConversionImposible = -2147217913;  // 0x80040E07 a value cannot be converted
constexpr long DatosDesbordados = -2147217833;     // 0x80040E57 data would overflow or be truncated
constexpr long ObjetoEnUso = -2147217915;          // 0x80040E05 the connection has another open result
constexpr long AccesoDenegado = -2147217843;       // 0x80040E4D login failed
constexpr long OperacionCancelada = -2147217842;   // 0x80040E4E
}  // namespace ado

// Outcome of one engine call.
struct Resultado {
  long numero = 0;                      // ADO error number; 0 = success
  std::string descripcion;              // description of the failure
  std::string origen;                   // component that raised it
  std::vector<ErrorProveedor> errores;  // provider records (also warnings on success)
  bool Ok() const { return numero == 0; }
};

// A failure without provider records, or with one record (SQL state and
// native code) carrying the same number, description and source.
Resultado ResultadoFallido(long numero, std::string descripcion, std::string origen);
Resultado ResultadoFallido(long numero, std::string descripcion, std::string origen, std::string estadoSql,
                           long nativo);
// An operation on a connection that is not open (ADO 3704).
Resultado ResultadoCerrado();

// ADO DataTypeEnum codes a field may report.
namespace tipo_ado {
constexpr int SmallInt = 2, Integer = 3, Single = 4, Double = 5, Currency = 6, Date = 7, BSTR = 8, Boolean = 11,
              Decimal = 14, TinyInt = 16, BigInt = 20, Binary = 128, Char = 129, WChar = 130, Numeric = 131,
              DBDate = 133, DBTime = 134, DBTimeStamp = 135, VarChar = 200, LongVarChar = 201, VarWChar = 202,
              LongVarWChar = 203, VarBinary = 204, LongVarBinary = 205;
}  // namespace tipo_ado

struct CampoInfo {
  std::string nombre;
  int tipoAdo = tipo_ado::VarWChar;
  long tamanoDefinido = 0;  // defined size (characters for texts); 0 when unknown
};

// A forward-only stream of rows. Rows are read one at a time; nothing holds
// the whole result.
class Cursor {
 public:
  virtual ~Cursor() = default;
  virtual const std::vector<CampoInfo>& Campos() const = 0;
  // Moves to the next row (the first on the first call). False at the end,
  // or on a failure, which is then reported in `r`.
  virtual bool Siguiente(Resultado& r) = 0;
  // Value of a column of the current row: Nulo for a database null; texts
  // in UTF-8; numbers as numbers; dates (and date-times) as FechaHora.
  virtual Variant Valor(size_t columna) const = 0;
};

class Motor {
 public:
  virtual ~Motor() = default;
  // Opens the database named by an ADO-form connection string (the engine
  // maps it to its own form). `usuario`/`clave`, when not empty, override
  // those of the string.
  virtual Resultado Abrir(const std::string& cadenaConexion, const std::string& usuario, const std::string& clave) = 0;
  virtual void Cerrar() = 0;
  virtual bool Abierto() const = 0;
  // Runs a statement or a batch (several statements, also separated only by
  // line breaks) in the SQL Server dialect. When the (last) statement returns
  // rows and `cursor` is given, it receives them. `filasAfectadas` receives
  // the affected-row count (-1 when none applies).
  virtual Resultado Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filasAfectadas) = 0;
  virtual Resultado ComenzarTransaccion() = 0;
  virtual Resultado ConfirmarTransaccion() = 0;
  virtual Resultado DeshacerTransaccion() = 0;
  // Schema lists: every table (and view) name; the column names of one table.
  virtual Resultado Tablas(std::vector<std::string>& nombres) = 0;
  virtual Resultado Columnas(const std::string& catalogo, const std::string& tabla,
                             std::vector<std::string>& nombres) = 0;
  // The connection's default database (SQL Server's USE); engines without
  // catalogs accept and ignore it.
  virtual Resultado FijarBaseDatos(const std::string& nombre) = 0;
  virtual void FijarTiempoEspera(int segundos) = 0;      // command time-out
  virtual void FijarTiempoConexion(int segundos) = 0;    // login time-out
  virtual void FijarNivelAislamiento(int nivelAdo) = 0;  // 256 = read uncommitted
  // How many results may be pending on the connection at once, as ODBC's
  // SQL_MAX_CONCURRENT_ACTIVITIES tells it once connected (SQL Server
  // without MARS: 1); 0 = no limit.
  virtual int ResultadosActivosMaximos() const { return 0; }
};

// The engine an ADO-form connection string asks for:
//  - "Server=sqlite" (any case), or a Jet provider (local file): embedded SQLite;
//  - "Provider=SQLOLEDB": ODBC with the SQL Server driver;
//  - "Provider=OraOLEDB.Oracle.1": ODBC with the Oracle driver.
// Tests may install their own factory (for the recording engine); an empty
// function restores the standard one. Every engine comes wrapped in the
// one-active-result guard (MotorUnResultado.h), which does nothing unless
// the engine reports a limit or the setting forces it.
using FabricaMotor = std::function<std::unique_ptr<Motor>(const std::string& cadenaConexion)>;
std::unique_ptr<Motor> CrearMotor(const std::string& cadenaConexion);
void FijarFabricaMotor(FabricaMotor fabrica);
