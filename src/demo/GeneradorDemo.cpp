#include "demo/GeneradorDemo.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

#include "services/esquema/EjecutarGuion.h"
#include "demo/GuionesErpDemo.h"
#include "services/esquema/TablasPropias.h"
#include "demo/ConsultasDemo.h"
#include "demo/ContextoDemo.h"

namespace demo {
namespace {

std::string ValidarParametros(const ParametrosDemo& p) {
  if (p.lineas < 0) return "La cantidad de lineas no puede ser negativa.";
  if (p.clientes < 1) return "Debe haber al menos un cliente.";
  if (p.articulos < 3) return "Debe haber al menos 3 articulos.";
  if (p.vendedores < 1) return "Debe haber al menos un vendedor.";
  if (p.dias < 1) return "Debe haber al menos un dia.";
  return "";
}

// The whole load, in one transaction: the bulk inserts of a million lines
// take seconds instead of hours. Journal and disk syncs are off because a
// failed file is deleted anyway; the final file is only renamed into place
// once complete.
bool Poblar(sqlite3* db, const ParametrosDemo& p, ResumenDemo& resumen, std::string& error) {
  if (!EjecutarGuion(db,
                     "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-65536;"
                     "PRAGMA temp_store=MEMORY; BEGIN;",
                     &error))
    return false;
  if (!EjecutarGuion(db, GuionEsquemaErpDemo(), &error) || !CrearTablasPropias(db, &error)) return false;
  ContextoDemo c(db, p);
  for (auto paso : {PoblarVendedores, PoblarArticulos, PoblarClientes, PoblarComprobantes, PoblarConfiguracion,
                    PrepararAltaArticulos, PrepararConsultas, PoblarArboles})
    if (!paso(c, error)) return false;
  if (!EjecutarGuion(db, GuionIndicesErpDemo(), &error) || !EjecutarGuion(db, "COMMIT;", &error)) return false;
  resumen = c.resumen;
  return true;
}

}  // namespace

bool GenerarBaseDemo(const std::string& archivo, const ParametrosDemo& parametros, ResumenDemo* resumen,
                     std::string* error) {
  std::string mensaje = ValidarParametros(parametros);
  ResumenDemo hecho;
  namespace fs = std::filesystem;
  std::error_code ec;
  const std::string temporal = archivo + ".generando";
  try {
    if (mensaje.empty() && fs::exists(archivo, ec) && !parametros.reemplazar)
      mensaje = "El archivo " + archivo + " ya existe (use --reemplazar para generarlo de nuevo).";
    if (mensaje.empty()) {
      fs::remove(temporal, ec);
      sqlite3* db = nullptr;
      if (sqlite3_open_v2(temporal.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        mensaje = "No se pudo crear " + temporal + ": " + (db ? sqlite3_errmsg(db) : "sin memoria");
      else if (!Poblar(db, parametros, hecho, mensaje) && mensaje.empty())
        mensaje = "Error al generar la base de datos.";
      if (sqlite3_close(db) != SQLITE_OK && mensaje.empty()) mensaje = "No se pudo cerrar " + temporal;
      if (mensaje.empty()) {
        fs::rename(temporal, archivo, ec);
        if (ec) mensaje = "No se pudo renombrar " + temporal + " como " + archivo + ": " + ec.message();
      }
    }
  } catch (const std::exception& e) {
    mensaje = std::string("Error al generar la base de datos: ") + e.what();
  }
  if (!mensaje.empty()) {
    fs::remove(temporal, ec);
    if (error) *error = mensaje;
    return false;
  }
  if (resumen) *resumen = hecho;
  return true;
}

ParametrosDemo ParametrosDeTamano(long lineas, long clientes, long articulos, long vendedores, int dias) {
  ParametrosDemo p;
  p.lineas = lineas;
  p.clientes = clientes;
  p.articulos = articulos;
  p.vendedores = vendedores;
  p.dias = dias;
  return p;
}

}  // namespace demo
