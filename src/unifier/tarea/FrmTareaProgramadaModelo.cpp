#include "unifier/tarea/FrmTareaProgramadaModelo.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "db/DB_Dll.h"
#include "services/Configuracion.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "unifier/CarpetaDestinoValida.h"
#include "unifier/ClavesVorna.h"
#include "unifier/tarea/ArchivoComando.h"
#include "unifier/tarea/ComandoTarea.h"
#include "unifier/tarea/CopiaPrograma.h"
#include "unifier/tarea/EjecutarCmd.h"
#include "unifier/tarea/HoraTarea.h"
#include "unifier/tarea/ProgramaTarea.h"
#include "unifier/tarea/TablaCron.h"

namespace tarea {

namespace {

// cron starts the task in the user's home folder: a path that was relative
// to this program's working folder would name another file there.
std::string Absoluta(const std::string& ruta) {
  std::error_code ec;
  const auto absoluta = std::filesystem::absolute(ruta, ec);
  return ec ? ruta : absoluta.lexically_normal().string();
}

bool EsRelativa(const std::string& ruta) { return !ruta.empty() && !std::filesystem::path(ruta).is_absolute(); }

}  // namespace

std::string ParametrosDesatendido() {
  DB_Dll& db = DB();
  // The embedded engine's database is a file named by its path.
  const bool archivo = texto::IgualesSinCaso(texto::Recortado(db.gServidor), "sqlite") && EsRelativa(db.gDBName);
  return "@server=" + db.gServidor + "; @dbname=" + (archivo ? Absoluta(db.gDBName) : db.gDBName) +
         "; @usuario=" + db.gUsuario + "; @Password=" + db.gUserPassWord + "; @ParametroAdicional=1; ombu@";
}

std::string CarpetaParaTarea(const std::string& carpeta) {
  const std::string recortada = texto::Recortado(carpeta);
  return EsRelativa(recortada) ? Absoluta(recortada) : carpeta;
}

}  // namespace tarea

FrmTareaProgramadaModelo::FrmTareaProgramadaModelo() : ventana_("FrmTareaProgramada") {
  ventana_.caption = "PROGRAMADOR DE TAREAS";
  ventana_.Agregar(Etiqueta("Label1", 0, "Nombre de la Tarea programada"));
  ventana_.Agregar(CajaTexto("TxtFields", 0, "Nombre"));
  ventana_.Agregar(Etiqueta("Label1", 1, "Proceso a ejecutar"));
  ventana_.Agregar(CajaTexto("TxtFields", 2, "Proceso"));
  ventana_.Agregar(Etiqueta("Label2", 0, "Parametros"));
  ventana_.Agregar(CajaTexto("TxtFields", 1, "Parametros"));
  ventana_.Agregar(Etiqueta("Label2", 1, "Hora"));
  // The time box carries the name box's key: a lookup by key finds the name box.
  ControlVentana hora = CajaTexto("TxtFields", 3, "Nombre", "FMTHORA");
  hora.largoMaximo = tarea::kLargoHora;
  ventana_.Agregar(std::move(hora));
  ventana_.Agregar(Etiqueta("Label3", 0,
                            "Al pulsar Aceptar, el sistema intentará crear una tarea programada segun los datos "
                            "especificados"));
  ventana_.Agregar(Etiqueta("Label3", 1,
                            "Recuerde que debe tener permisos de administrador sobre este equipo. En algunos casos, "
                            "puede que el antivirus detecte una actividad sospechosa o bloquee la creacion automatica "
                            "de la tarea."));
  ventana_.Agregar(Etiqueta("Label3", 2,
                            "En este caso, tiene dos opciones, desactive temporalmente el antivirus, o cree la tarea "
                            "manualmente desde el programador de tareas, segun los parametros indicados aqui."));
  ventana_.Agregar(Etiqueta("Label3", 3, "La tarea se ejecutará diariamente a la hora indicada."));
  ventana_.Agregar(Boton("CmdTareas", "&Abrir el programador de tareas de windows"));
  ventana_.Agregar(Boton("CmdAceptar", "&Aceptar"));
  ventana_.Agregar(Boton("CmdCancelar", "&Cancelar"));
}

ControlVentana& FrmTareaProgramadaModelo::Caja(int indice) { return *ventana_.Control("TxtFields", indice); }

void FrmTareaProgramadaModelo::Form_Load() {
  CarpetaDestino = Cfg(vorna::ClaveCarpetaDestino());
  ventana_.FijarTexto(Caja(3), Cfg(tarea::kClaveHora));
  const std::string parametros = tarea::ParametrosDesatendido();
  ventana_.FijarTexto(Caja(0), tarea::kNombreTarea);
  ventana_.FijarTexto(Caja(2), tarea::ProgramaDeLaTarea(tarea::CarpetaParaTarea(CarpetaDestino)).programa + " ");
  ventana_.FijarTexto(Caja(1), parametros);
  if (texto::Recortado(Caja(3).texto).empty()) ventana_.FijarTexto(Caja(3), tarea::kHoraPorDefecto);
}

bool FrmTareaProgramadaModelo::Fallo(const std::string& motivo) {
  operador().Mensaje("No se pudo crear la tarea programada " + texto::Recortado(Caja(0).texto) + ": " + motivo,
                     botones::OK + botones::Critico, "Aviso al Operador");
  return false;
}

bool FrmTareaProgramadaModelo::PrepararCarpeta(std::string& carpeta) {
  std::string motivo;
  if (!vorna::CarpetaDestinoValida(CarpetaDestino, motivo)) return Fallo(motivo);
  carpeta = tarea::CarpetaParaTarea(CarpetaDestino);
  if (carpeta == CarpetaDestino) return true;
  // The unattended run reads the stored folder from cron's working folder.
  if (const ErrorSistema e = vorna::GrabarDato(vorna::ClaveCarpetaDestino(), carpeta); e.HayError())
    return Fallo("no se pudo guardar la carpeta destino " + carpeta + " (" + e.descripcion + ")");
  return true;
}

bool FrmTareaProgramadaModelo::CmdAceptar_Click() {
  const std::string hora = Caja(3).texto;
  if (!tarea::HoraValida(hora)) {
    operador().Mensaje("Corrija o ingrese una hora valida", botones::OK + botones::Informacion, "Atencion");
    return false;
  }
  std::string carpeta;
  if (!PrepararCarpeta(carpeta)) return false;
  if (const ErrorSistema e = vorna::GrabarDato(tarea::kClaveHora, texto::Recortado(hora)); e.HayError())
    return Fallo("no se pudo guardar la hora " + texto::Recortado(hora) + " (" + e.descripcion + ")");

  const tarea::ProgramaTarea programa = tarea::ProgramaDeLaTarea(carpeta);
  if (programa.copiar) {
    const std::string error = tarea::CopiarPrograma(tarea::ProgramaACopiar(), programa.programa);
    if (!error.empty()) return Fallo(error);
  }
  return Registrar(ConBarraFinal(carpeta) + tarea::NombreArchivoComando(), programa.carpetaAplicacion);
}

bool FrmTareaProgramadaModelo::Registrar(const std::string& comando, const std::string& carpetaAplicacion) {
  const std::string nombre = Caja(0).texto, hora = Caja(3).texto, proceso = Caja(2).texto, parametros = Caja(1).texto;
  if (const std::string e = tarea::EscribirArchivoComando(
          comando, tarea::TextoArchivoComando(nombre, hora, proceso, parametros, carpetaAplicacion));
      !e.empty())
    return Fallo(e);
  const tarea::ResultadoComando r = tarea::EjecutarComando(comando);
  // Its work is done once the crontab holds the entry; it must not keep the password.
  std::remove(comando.c_str());
  if (!r.terminado) return Fallo(r.error);
  const std::string salida = texto::Recortado(texto::ReemplazarTodo(r.salida, "\n", " "));
  if (r.estado != 0)
    return Fallo(salida.empty() ? "el archivo de comandos termino con el estado " + std::to_string(r.estado) : salida);
  std::string tabla;
  if (!tarea::LeerCrontab(tabla) ||
      !tarea::EntradaEnTabla(tabla, tarea::EntradaCron(nombre, hora, proceso, parametros, carpetaAplicacion)))
    return Fallo("la entrada no quedo en la tabla de cron (" + tarea::ComandoCrontab() + " -l)");
  operador().Mensaje(
      "PROCESO EJECUTADO, POR FAVOR VERIFIQUE DESDE EL PROGRAMADOR DE TAREAS DE WINDOWS, LA TAREA " + nombre,
      botones::OK, "");
  return true;
}

void FrmTareaProgramadaModelo::CmdTareas_Click() {
  std::string salida;
  const bool leido = tarea::LeerCrontab(salida);
  while (!salida.empty() && (salida.back() == '\n' || salida.back() == '\r')) salida.pop_back();
  std::string texto = texto::Recortado(salida);
  if (leido && texto.empty()) texto = "No hay tareas programadas para este usuario.";
  if (!leido) texto = "No se pudieron leer las tareas programadas: " + texto;
  operador().Mensaje(texto, botones::OK + botones::Informacion, "PROGRAMADOR DE TAREAS");
}
