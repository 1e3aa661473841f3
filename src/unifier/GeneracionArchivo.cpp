#include "unifier/GeneracionArchivo.h"

#include <exception>
#include <vector>

#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Operador.h"
#include "sivlib/Utiles.h"
#include "unifier/ArchivoLineas.h"
#include "unifier/EntregaArchivo.h"
#include "unifier/ErrorConsulta.h"
#include "unifier/NombresArchivo.h"

namespace vorna {
namespace {

// The export's error handling around each step of one file.
class PasosArchivo {
 public:
  explicit PasosArchivo(ResultadoArchivo& r) : r_(r) {}

  // Runs the step; Retry repeats it. True when the file goes on (the step
  // succeeded or the operator chose to go past it), false when the operator
  // left. `hecho`, when given, tells whether the step succeeded.
  bool Ejecutar(const std::function<ErrorSistema()>& paso, bool* hecho = nullptr) {
    for (;;) {
      const ErrorSistema e = Proteger(paso);
      if (hecho) *hecho = !e.HayError();
      if (!e.HayError()) return true;
      r_.error = e;
      Restablecer();
      switch (DecisionDeRespuesta(MostrarError(e, "ActualizarDatos"))) {
        case Decision::Repetir: continue;
        case Decision::Continuar: ++r_.ignorados; return true;
        case Decision::Salir: return false;
      }
    }
  }

 private:
  // What the standard library may throw (memory, conversions) is a failure
  // of the step like any other.
  static ErrorSistema Proteger(const std::function<ErrorSistema()>& paso) {
    try {
      return paso();
    } catch (const std::exception& ex) {
      return ErrorSistema{errores::ArgumentoInvalido, ex.what(), "UT_VORNA"};
    }
  }

  ResultadoArchivo& r_;
};

ErrorSistema AbrirConsulta(const std::string& sql, const std::string& codigo, Recordset& rs) {
  DB().AbrirRecordset(sql, rs, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1, true);
  if (rs.State() == estado_objeto::Cerrado) return ErrorConsulta("abrir la consulta de " + codigo);
  return {};
}

}  // namespace

ResultadoArchivo GenerarArchivoDatos(ConjuntoDatos& datos, const ParametrosArchivo& p) {
  ResultadoArchivo r;
  r.codigo = p.codigo;
  PasosArchivo pasos(r);
  const auto progreso = [&](const std::string& t) {
    if (p.progreso) p.progreso(t);
  };

  const std::string nombre = NombreArchivoDatos(p.codigo, p.nroPaquete);
  r.temporal = RutaTemporalDatos(CarpetaTemporalDatos(), FechaHora::Ahora(), p.codigo);
  ArchivoLineas archivo;
  if (!pasos.Ejecutar([&] { return archivo.Crear(r.temporal); })) return r;

  progreso("Cargando datos " + p.codigo + " | Espere por favor..");
  Recordset rs;
  if (!pasos.Ejecutar([&] { return AbrirConsulta(datos.Consulta(), p.codigo, rs); })) return r;

  LectorFila fila(rs);
  std::vector<std::string> columnas;
  while (!rs.Eof()) {
    const bool sigue = pasos.Ejecutar([&] {
      fila.Limpiar();
      progreso(datos.Progreso(fila));
      return fila.Error();
    });
    if (!sigue) return r;
    operador().ProcesarEventos();
    const bool escrita = pasos.Ejecutar([&] {
      fila.Limpiar();
      if (ErrorSistema e = datos.Columnas(fila, columnas); e.HayError()) return e;
      return columnas.empty() ? ErrorSistema{} : archivo.EscribirLinea(columnas);
    });
    if (!escrita || !pasos.Ejecutar([&] { return rs.MoveNext(); })) return r;
  }
  DB().CierraRecordset(rs);

  if (!pasos.Ejecutar([&] { return archivo.Cerrar(); }, &r.escrito)) return r;
  r.lineas = archivo.Lineas();
  progreso("Finalizado");

  const std::string carpetaDestino = p.carpetaDestino ? p.carpetaDestino() : std::string();
  if (carpetaDestino.empty()) {
    r.estado = ResultadoArchivo::Estado::SinDestino;
    return r;
  }
  bool entregado = false;
  const bool sigue = pasos.Ejecutar(
      [&] {
        const ResultadoEntrega e = EntregarArchivo(r.temporal, carpetaDestino, nombre);
        if (e.Entregado()) r.destino = e.destino;
        return e.error;
      },
      &entregado);
  if (sigue && entregado) r.estado = ResultadoArchivo::Estado::Entregado;
  return r;
}

}  // namespace vorna
