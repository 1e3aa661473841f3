#include "unifier/tarea/FrmTareaProgramadaModelo.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <utility>

#include "db/DB_Dll.h"
#include "services/Archivos.h"
#include "services/Configuracion.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Entorno.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/ClavesVorna.h"
#include "unifier/tarea/ComandoTarea.h"
#include "unifier/tarea/EjecutarCmd.h"
#include "unifier/tarea/HoraTarea.h"

namespace tarea {

std::string ParametrosDesatendido() {
  DB_Dll& db = DB();
  return "@server=" + db.gServidor + "; @dbname=" + db.gDBName + "; @usuario=" + db.gUsuario +
         "; @Password=" + db.gUserPassWord + "; @ParametroAdicional=1; ombu@";
}

bool LeerCrontab(std::string& salida) {
  const char* cmd = std::getenv("UT_VORNA_CRONTAB");
  const std::string orden = ComillasShell(cmd && *cmd ? cmd : "crontab") + " -l 2>&1";
  FILE* p = popen(orden.c_str(), "r");
  if (!p) {
    salida = "No se pudo ejecutar el comando crontab.";
    return false;
  }
  salida.clear();
  std::array<char, 4096> buf{};
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) salida.append(buf.data(), n);
  const int estado = pclose(p);
  return estado == 0;
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
  ventana_.FijarTexto(Caja(2), ConBarraFinal(CarpetaDestino) + tarea::NombreArchivoPrograma() + " ");
  ventana_.FijarTexto(Caja(1), parametros);
  if (texto::Recortado(Caja(3).texto).empty()) ventana_.FijarTexto(Caja(3), tarea::kHoraPorDefecto);
}

bool FrmTareaProgramadaModelo::CmdAceptar_Click() {
  const std::string hora = Caja(3).texto;
  if (!tarea::HoraValida(hora)) {
    operador().Mensaje("Corrija o ingrese una hora valida", botones::OK + botones::Informacion, "Atencion");
    return false;
  }
  vorna::GrabarDato(tarea::kClaveHora, texto::Recortado(hora));

  const std::string carpetaPrograma = gCarpetaAplicacion.empty() ? CarpetaEjecutable() : gCarpetaAplicacion;
  const std::string copia = CarpetaDestino + "/" + tarea::NombreArchivoPrograma();
  if (CopiarArchivo(ConBarraFinal(carpetaPrograma) + tarea::NombreArchivoPrograma(), copia))
    chmod(copia.c_str(), 0755);  // the copy must stay runnable for the scheduler

  const std::string comando = ConBarraFinal(CarpetaDestino) + tarea::NombreArchivoComando();
  {
    std::ofstream f(comando, std::ios::binary | std::ios::trunc);
    f << ansi::DesdeUtf8(tarea::TextoArchivoComando(Caja(0).texto, Caja(3).texto, Caja(2).texto, Caja(1).texto));
  }
  std::string error;
  if (!EjecutarCmd(comando, error)) operador().Mensaje(error, botones::OK, "");
  operador().Mensaje("PROCESO EJECUTADO, POR FAVOR VERIFIQUE DESDE EL PROGRAMADOR DE TAREAS DE WINDOWS, LA TAREA " +
                         Caja(0).texto,
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
