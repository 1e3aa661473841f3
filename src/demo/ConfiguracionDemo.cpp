// The program's own tables: configuration of this machine, users, menu
// tasks and cash boxes.
#include "unifier/ClavesVorna.h"
#include "demo/ContextoDemo.h"
#include "demo/SentenciaSqlite.h"

namespace demo {

bool PoblarConfiguracion(ContextoDemo& c, std::string& error) {
  SentenciaSqlite clave(c.db,
                        "INSERT INTO TA_CONFIGURACION (CLAVE,VALOR,VALORAUX,GRUPO,POLITICANEGOCIO) "
                        "VALUES (?,?,NULL,?,0)");
  const std::pair<std::string, std::string> claves[] = {
      {vorna::ClaveCarpetaDestino(), c.parametros.destino},
      {"NRO_PAQUETE", std::to_string(c.parametros.paquete)},
      {"CANTIDADDECIMALES", "2"},
      {"SS_CONFIDENCIALIDAD", "NO"},
  };
  for (const auto& [k, v] : claves) {
    clave.Texto(k).Texto(v).Texto("DATOS");
    clave.Ejecutar();
  }

  SentenciaSqlite usuario(c.db, "INSERT INTO TA_USUARIOS (Nombre,Administrador,Unegocio,verproforma) VALUES (?,?,?,?)");
  const struct {
    const char* nombre;
    int admin;
    const char* unidad;
    int proforma;
  } usuarios[] = {{"sa", 1, "   1", 1}, {"ADMIN", 1, "   1", 1}, {"OPERADOR", 0, "   1", 0}, {"VENTAS", 0, "   2", 1}};
  for (const auto& u : usuarios) {
    usuario.Texto(u.nombre).Entero(u.admin).Texto(u.unidad).Entero(u.proforma);
    usuario.Ejecutar();
  }

  SentenciaSqlite menu(c.db, "INSERT INTO TA_MENU (Clave,Nombre,Proceso) VALUES (?,?,?)");
  menu.Texto("MNU_VORNA").Texto("Unificador de datos V.E.L.T.A.").Texto("UT_VORNA.EXE");
  menu.Ejecutar();
  menu.Texto("MNU_VENTAS").Texto("Facturación").Texto("PXVENTAS.EXE");
  menu.Ejecutar();
  SentenciaSqlite tarea(c.db, "INSERT INTO TA_TAREAS (USUARIO,TAREA) VALUES (?,?)");
  for (const char* u : {"OPERADOR", "VENTAS"}) {
    tarea.Texto(u).Texto("MNU_VORNA");
    tarea.Ejecutar();
  }
  tarea.Texto("VENTAS").Texto("MNU_VENTAS");
  tarea.Ejecutar();

  SentenciaSqlite caja(c.db, "INSERT INTO V_TA_Cajas (IdCajas,Descripcion) VALUES (?,?)");
  caja.Texto("   1").Texto("CAJA CENTRAL");
  caja.Ejecutar();
  caja.Texto("   2").Texto("CAJA MOSTRADOR");
  caja.Ejecutar();

  for (const SentenciaSqlite* s : {&clave, &usuario, &menu, &tarea, &caja})
    if (!s->Ok()) {
      error = s->Error();
      return false;
    }
  return true;
}

}  // namespace demo
