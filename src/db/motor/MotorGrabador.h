#pragma once
// Recording engine, for tests that assert the exact text of the statements
// the program sends. It never stands in for a real database in an
// end-to-end test.
//
// How a test uses it:
//
//   auto grabacion = InstalarMotorGrabador();   // every CrearMotor() now records here
//   grabacion->Responder("FROM TA_USUARIOS",      // statements containing this text (any case)
//                        RespuestaGrabada::Filas({{"Administrador", tipo_ado::Integer}},
//                                                {{Variant(1)}}));
//   grabacion->Responder("INSERT INTO", RespuestaGrabada::Afectadas(1));
//   grabacion->Responder("DELETE", RespuestaGrabada::Falla(ado::ViolacionIntegridad, 547, "23000",
//                                                          "The DELETE statement conflicted ..."));
//   ... run the code under test (DB_Dll opens its connection through CrearMotor) ...
//   EXPECT_EQ(grabacion->Sentencias(), (std::vector<std::string>{"INSERT INTO T (A) VALUES (1)"}));
//   EXPECT_EQ(grabacion->Llamadas()[0], "Abrir PROVIDER=SQLOLEDB;Server=...");
//   FijarFabricaMotor({});                          // or let ~InstalacionGrabador do it
//
// Answers: the first rule (in the order given) whose fragment the statement
// contains, ignoring case, answers it; a rule given with `vecesRestantes`
// answers that many times and then stops matching (so a test can make a
// statement fail once and succeed on the retry). A statement no rule
// matches succeeds with no rows and the affected count -1. The transaction
// calls, the schema lists and Abrir can be made to fail the same way (see
// the members below).
//
// Call log (Llamadas), one entry per call, in order:
//   "Abrir <connection string>"   (user/password appended as " |usuario|clave" when given)
//   "Cerrar"
//   the statement text itself, exactly as received (Sentencias() lists only these)
//   "BeginTrans", "CommitTrans", "RollbackTrans"
//   "Tablas", "Columnas <catalog>|<table>"
//   "FijarBaseDatos <name>", "TiempoEspera <s>", "TiempoConexion <s>", "Aislamiento <level>"
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "db/motor/Motor.h"

struct RespuestaGrabada {
  std::vector<CampoInfo> campos;            // columns of the result; no columns = no rows
  std::vector<std::vector<Variant>> filas;  // one vector of values per row, in column order
  long filasAfectadas = -1;
  Resultado resultado;    // a failure to report (numero != 0)
  Resultado falloAlLeer;  // reported by the cursor after its rows (none: at the first fetch)

  static RespuestaGrabada Filas(std::vector<CampoInfo> campos, std::vector<std::vector<Variant>> filas);
  // Rows whose reading fails after the last one given, as a dropped
  // connection or a time-out in the middle of a result does.
  static RespuestaGrabada FallaAlLeer(std::vector<CampoInfo> campos, std::vector<std::vector<Variant>> filas,
                                      long numeroAdo, long nativo, std::string estadoSql, std::string descripcion);
  static RespuestaGrabada Afectadas(long n);
  // A failure with one provider record carrying the same ADO number.
  static RespuestaGrabada Falla(long numeroAdo, long nativo, std::string estadoSql, std::string descripcion);
};

class GrabacionMotor {
 public:
  void Responder(std::string fragmento, RespuestaGrabada respuesta, int vecesRestantes = -1);
  // Schema lists answered by Tablas / Columnas (the table name compared ignoring case).
  void FijarTablas(std::vector<std::string> tablas);
  void FijarColumnas(const std::string& tabla, std::vector<std::string> columnas);
  // Failures for the calls that carry no statement; an empty Resultado clears them.
  Resultado falloAlAbrir, falloTransaccion, falloEsquema;

  std::vector<std::string> Llamadas() const;
  std::vector<std::string> Sentencias() const;
  void Limpiar();  // forgets the log (the rules stay)

  // Used by the engine.
  void Anotar(std::string llamada, bool esSentencia = false);
  RespuestaGrabada RespuestaPara(const std::string& sql);
  std::vector<std::string> Tablas() const;
  std::vector<std::string> Columnas(const std::string& tabla) const;

 private:
  struct Regla {
    std::string fragmento;
    RespuestaGrabada respuesta;
    int veces;
  };
  mutable std::mutex m_;
  std::vector<Regla> reglas_;
  std::vector<std::string> llamadas_, sentencias_;
  std::vector<std::string> tablas_;
  std::vector<std::pair<std::string, std::vector<std::string>>> columnas_;
};

class MotorGrabador : public Motor {
 public:
  explicit MotorGrabador(std::shared_ptr<GrabacionMotor> grabacion);
  Resultado Abrir(const std::string& cadenaConexion, const std::string& usuario, const std::string& clave) override;
  void Cerrar() override;
  bool Abierto() const override { return abierto_; }
  Resultado Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filasAfectadas) override;
  Resultado ComenzarTransaccion() override;
  Resultado ConfirmarTransaccion() override;
  Resultado DeshacerTransaccion() override;
  Resultado Tablas(std::vector<std::string>& nombres) override;
  Resultado Columnas(const std::string& catalogo, const std::string& tabla, std::vector<std::string>& nombres) override;
  Resultado FijarBaseDatos(const std::string& nombre) override;
  void FijarTiempoEspera(int segundos) override;
  void FijarTiempoConexion(int segundos) override;
  void FijarNivelAislamiento(int nivelAdo) override;

 private:
  Resultado Transaccion(const char* llamada);
  std::shared_ptr<GrabacionMotor> grabacion_;
  bool abierto_ = false;
};

// Installs a factory whose engines all record into the returned log, until
// the returned object is destroyed (which restores the standard factory).
class InstalacionGrabador {
 public:
  InstalacionGrabador();
  ~InstalacionGrabador();
  InstalacionGrabador(const InstalacionGrabador&) = delete;
  InstalacionGrabador& operator=(const InstalacionGrabador&) = delete;
  GrabacionMotor* operator->() { return grabacion_.get(); }
  GrabacionMotor& operator*() { return *grabacion_; }
  std::shared_ptr<GrabacionMotor> grabacion() const { return grabacion_; }

 private:
  std::shared_ptr<GrabacionMotor> grabacion_;
};
using InstalarMotorGrabador = InstalacionGrabador;
