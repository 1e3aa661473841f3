#include "db/motor/MotorGrabador.h"

#include "sivlib/Texto.h"

namespace {

// Rows handed in by a test; they are the test's own data, already in memory.
class CursorGrabado : public Cursor {
 public:
  CursorGrabado(std::vector<CampoInfo> campos, std::vector<std::vector<Variant>> filas, Resultado fallo)
      : campos_(std::move(campos)), filas_(std::move(filas)), fallo_(std::move(fallo)) {}
  const std::vector<CampoInfo>& Campos() const override { return campos_; }
  bool Siguiente(Resultado& r) override {
    if (fila_ + 1 < filas_.size()) {
      ++fila_;
      return true;
    }
    if (fila_ != filas_.size()) {  // the end, reached now: the failure, once
      fila_ = filas_.size();
      if (!fallo_.Ok()) r = std::move(fallo_);
    }
    return false;
  }
  Variant Valor(size_t columna) const override {
    if (fila_ >= filas_.size() || columna >= filas_[fila_].size()) return {};
    return filas_[fila_][columna];
  }

 private:
  std::vector<CampoInfo> campos_;
  std::vector<std::vector<Variant>> filas_;
  Resultado fallo_;
  size_t fila_ = size_t(-1);
};

}  // namespace

RespuestaGrabada RespuestaGrabada::Filas(std::vector<CampoInfo> campos, std::vector<std::vector<Variant>> filas) {
  RespuestaGrabada r;
  r.campos = std::move(campos);
  r.filas = std::move(filas);
  return r;
}

RespuestaGrabada RespuestaGrabada::FallaAlLeer(std::vector<CampoInfo> campos, std::vector<std::vector<Variant>> filas,
                                               long numeroAdo, long nativo, std::string estadoSql,
                                               std::string descripcion) {
  RespuestaGrabada r = Filas(std::move(campos), std::move(filas));
  r.falloAlLeer = Falla(numeroAdo, nativo, std::move(estadoSql), std::move(descripcion)).resultado;
  return r;
}

RespuestaGrabada RespuestaGrabada::Afectadas(long n) {
  RespuestaGrabada r;
  r.filasAfectadas = n;
  return r;
}

RespuestaGrabada RespuestaGrabada::Falla(long numeroAdo, long nativo, std::string estadoSql, std::string descripcion) {
  RespuestaGrabada r;
  r.resultado.numero = numeroAdo;
  r.resultado.descripcion = descripcion;
  r.resultado.origen = "MotorGrabador";
  r.resultado.errores.push_back({std::move(estadoSql), numeroAdo, std::move(descripcion), nativo, "MotorGrabador"});
  return r;
}

void GrabacionMotor::Responder(std::string fragmento, RespuestaGrabada respuesta, int vecesRestantes) {
  std::lock_guard l(m_);
  reglas_.push_back({std::move(fragmento), std::move(respuesta), vecesRestantes});
}

void GrabacionMotor::FijarTablas(std::vector<std::string> tablas) {
  std::lock_guard l(m_);
  tablas_ = std::move(tablas);
}

void GrabacionMotor::FijarColumnas(const std::string& tabla, std::vector<std::string> columnas) {
  std::lock_guard l(m_);
  columnas_.emplace_back(tabla, std::move(columnas));
}

std::vector<std::string> GrabacionMotor::Llamadas() const {
  std::lock_guard l(m_);
  return llamadas_;
}

std::vector<std::string> GrabacionMotor::Sentencias() const {
  std::lock_guard l(m_);
  return sentencias_;
}

void GrabacionMotor::Limpiar() {
  std::lock_guard l(m_);
  llamadas_.clear();
  sentencias_.clear();
}

void GrabacionMotor::Anotar(std::string llamada, bool esSentencia) {
  std::lock_guard l(m_);
  if (esSentencia) sentencias_.push_back(llamada);
  llamadas_.push_back(std::move(llamada));
}

RespuestaGrabada GrabacionMotor::RespuestaPara(const std::string& sql) {
  std::lock_guard l(m_);
  for (auto& regla : reglas_) {
    if (regla.veces == 0 || !texto::ContieneSinCaso(sql, regla.fragmento)) continue;
    if (regla.veces > 0) --regla.veces;
    return regla.respuesta;
  }
  return {};
}

std::vector<std::string> GrabacionMotor::Tablas() const {
  std::lock_guard l(m_);
  return tablas_;
}

std::vector<std::string> GrabacionMotor::Columnas(const std::string& tabla) const {
  std::lock_guard l(m_);
  for (const auto& [t, cols] : columnas_)
    if (texto::IgualesSinCaso(t, tabla)) return cols;
  return {};
}

MotorGrabador::MotorGrabador(std::shared_ptr<GrabacionMotor> grabacion) : grabacion_(std::move(grabacion)) {}

Resultado MotorGrabador::Abrir(const std::string& cadena, const std::string& usuario, const std::string& clave) {
  std::string llamada = "Abrir " + cadena;
  if (!usuario.empty() || !clave.empty()) llamada += " |" + usuario + "|" + clave;
  grabacion_->Anotar(std::move(llamada));
  abierto_ = grabacion_->falloAlAbrir.Ok();
  return grabacion_->falloAlAbrir;
}

void MotorGrabador::Cerrar() {
  grabacion_->Anotar("Cerrar");
  abierto_ = false;
}

Resultado MotorGrabador::Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filasAfectadas) {
  grabacion_->Anotar(sql, true);
  RespuestaGrabada r = grabacion_->RespuestaPara(sql);
  if (filasAfectadas) *filasAfectadas = r.resultado.Ok() ? r.filasAfectadas : -1;
  if (cursor) {
    cursor->reset();
    if (r.resultado.Ok() && !r.campos.empty())
      *cursor = std::make_unique<CursorGrabado>(std::move(r.campos), std::move(r.filas), std::move(r.falloAlLeer));
  }
  return r.resultado;
}

Resultado MotorGrabador::Transaccion(const char* llamada) {
  grabacion_->Anotar(llamada);
  return grabacion_->falloTransaccion;
}

Resultado MotorGrabador::ComenzarTransaccion() { return Transaccion("BeginTrans"); }
Resultado MotorGrabador::ConfirmarTransaccion() { return Transaccion("CommitTrans"); }
Resultado MotorGrabador::DeshacerTransaccion() { return Transaccion("RollbackTrans"); }

Resultado MotorGrabador::Tablas(std::vector<std::string>& nombres) {
  grabacion_->Anotar("Tablas");
  nombres = grabacion_->falloEsquema.Ok() ? grabacion_->Tablas() : std::vector<std::string>{};
  return grabacion_->falloEsquema;
}

Resultado MotorGrabador::Columnas(const std::string& catalogo, const std::string& tabla,
                                  std::vector<std::string>& nombres) {
  grabacion_->Anotar("Columnas " + catalogo + "|" + tabla);
  nombres = grabacion_->falloEsquema.Ok() ? grabacion_->Columnas(tabla) : std::vector<std::string>{};
  return grabacion_->falloEsquema;
}

Resultado MotorGrabador::FijarBaseDatos(const std::string& nombre) {
  grabacion_->Anotar("FijarBaseDatos " + nombre);
  return {};
}

void MotorGrabador::FijarTiempoEspera(int s) { grabacion_->Anotar("TiempoEspera " + texto::Entero(s)); }
void MotorGrabador::FijarTiempoConexion(int s) { grabacion_->Anotar("TiempoConexion " + texto::Entero(s)); }
void MotorGrabador::FijarNivelAislamiento(int n) { grabacion_->Anotar("Aislamiento " + texto::Entero(n)); }

InstalacionGrabador::InstalacionGrabador() : grabacion_(std::make_shared<GrabacionMotor>()) {
  auto g = grabacion_;
  FijarFabricaMotor([g](const std::string&) { return std::make_unique<MotorGrabador>(g); });
}

InstalacionGrabador::~InstalacionGrabador() { FijarFabricaMotor({}); }
