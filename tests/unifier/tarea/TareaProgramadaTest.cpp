#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ReplicaCron.h"
#include "TareaDePrueba.h"
#include "support/BaseDePrueba.h"
#include "sivlib/Texto.h"
#include "unifier/ClavesVorna.h"
#include "unifier/tarea/ComandoTarea.h"
#include "unifier/tarea/EjecutarCmd.h"
#include "unifier/tarea/FrmTareaProgramadaModelo.h"
#include "unifier/tarea/HoraTarea.h"

namespace {

const std::string kProcesoEjecutado =
    "PROCESO EJECUTADO, POR FAVOR VERIFIQUE DESDE EL PROGRAMADOR DE TAREAS DE WINDOWS, LA TAREA ";

TEST(HoraTarea, AceptaHorasYMinutosValidos) {
  for (const char* t : {"00:01", "0:01", "23:59", " 07:30 ", "12:00:59"}) EXPECT_TRUE(tarea::HoraValida(t)) << t;
  for (const char* t : {"25:00", "24:00", "ab:cd", "7", "07:5", "07:60", "", " ", "07:30:", "-1:00", "7:300"})
    EXPECT_FALSE(tarea::HoraValida(t)) << t;
}

TEST(ComandoTarea, LasDosLineasDeSchtasks) {
  EXPECT_EQ(
      tarea::LineasSchtasks("UnificadorVorna", "00:01", "F\\UT_VORNA.EXE ", "@server=s; @ParametroAdicional=1; ombu@"),
      "SCHTASKS /Delete /TN UnificadorVorna /F\r\n"
      "SCHTASKS /Create /TN UnificadorVorna /SC DAILY /ST 00:01 /TR \"F\\UT_VORNA.EXE @server=s; "
      "@ParametroAdicional=1; ombu@\"\r\n");
}

TEST(ComandoTarea, EntradaCronCitadaParaElShellYParaCron) {
  // Each "%" stands outside the quotes, escaped for cron.
  EXPECT_EQ(tarea::EntradaCron("Diaria 50%", "7:05", "/d/Mis Datos/ut_vorna ", "@Password=a'b%c;"),
            "5 7 * * * '/d/Mis Datos/ut_vorna' '@Password=a'\\''b'\\%'c;' # ut_vorna-tarea:Diaria 50\\%");
}

TEST(ReplicaCron, LeeElComandoYLaEntradaComoCron) {
  const EntradaCronLeida e = LeerEntradaCron("5  7 * * *\techo a\\%b\\\\x%uno%dos\\%tres");
  EXPECT_EQ(e.comando, "echo a%b\\\\x");
  EXPECT_EQ(e.entrada, "uno\ndos%tres");
}

TEST(EjecutarCmd, InformaArchivoOCarpetaInexistentes) {
  std::string error;
  CarpetaPrueba dir;
  EXPECT_FALSE(EjecutarCmd(dir / "no.sh", error));
  EXPECT_EQ(error, "Archivo no encontrado");
  EXPECT_FALSE(EjecutarCmd(dir / "no/existe/no.sh", error));
  EXPECT_EQ(error, "Carpeta no existe");
  EscribirArchivo(dir / "ok.sh", "sleep 0.2; exit 3\n");
  OperadorDePrueba op;
  EXPECT_TRUE(EjecutarCmd(dir / "ok.sh", error)) << "its own exit status is not examined";
  EXPECT_GT(op->Eventos(), 0) << "window events keep flowing while it waits";
}

TEST(EjecutarCmd, ElComandoDevuelveSuEstadoYSusMensajes) {
  CarpetaPrueba dir;
  OperadorDePrueba op;
  EscribirArchivo(dir / "falla.sh", "echo uno; echo dos >&2; exit 4\n");
  const tarea::ResultadoComando r = tarea::EjecutarComando(dir / "falla.sh");
  EXPECT_TRUE(r.terminado);
  EXPECT_EQ(r.estado, 4);
  EXPECT_EQ(r.salida, "uno\ndos\n");
}

class TareaProgramada : public TareaDePrueba {
 protected:
  // "Aceptar" on a freshly loaded window with the task `nombre` at `hora`.
  bool Aceptar(const std::string& nombre = "UnificadorVorna", const std::string& hora = "07:05") {
    FrmTareaProgramadaModelo f;
    f.Form_Load();
    f.Ventana().FijarTexto(f.Caja(0), nombre);
    f.Ventana().FijarTexto(f.Caja(3), hora);
    parametros = f.Caja(1).texto;
    return f.CmdAceptar_Click();
  }
  std::string parametros;
};

TEST_F(TareaProgramada, CargaLosValoresPorDefecto) {
  FrmTareaProgramadaModelo f;
  f.Form_Load();
  EXPECT_EQ(f.Ventana().caption, "PROGRAMADOR DE TAREAS");
  EXPECT_EQ(f.CarpetaDestino, destino);
  EXPECT_EQ(f.Caja(0).texto, "UnificadorVorna");
  EXPECT_EQ(f.Caja(2).texto, destino + "/ut_vorna ");
  EXPECT_EQ(f.Caja(1).texto, "@server=sqlite; @dbname=" + base + "; @usuario=ana; @Password=" + contrasena +
                                 "; @ParametroAdicional=1; ombu@");
  EXPECT_EQ(f.Caja(3).texto, "00:01");
  // The time box: typed up to 5 characters, and found by the name box's key.
  EXPECT_EQ(f.Caja(3).largoMaximo, 5);
  EXPECT_EQ(f.Caja(3).tipoDato, "FMTHORA");
  EXPECT_EQ(f.Caja(3).tag, "Nombre");
  EXPECT_EQ(f.Caja(0).tag, "Nombre");
  Guardar("HORA_UNIFICADORVORNA", "06:30");
  FrmTareaProgramadaModelo g;
  g.Form_Load();
  EXPECT_EQ(g.Caja(3).texto, "06:30");
}

TEST_F(TareaProgramada, HoraInvalidaNoGuardaNiEscribeNada) {
  for (const char* hora : {"25:00", "ab:cd"}) {
    EXPECT_FALSE(Aceptar("UnificadorVorna", hora));
    EXPECT_EQ(UltimoMensaje(), "Corrija o ingrese una hora valida");
    EXPECT_EQ(op->Mensajes().back().titulo, "Atencion");
  }
  EXPECT_EQ(ValorGuardado("HORA_UNIFICADORVORNA"), " ");
  EXPECT_FALSE(Existe(destino + "/" + tarea::NombreArchivoComando()));
  EXPECT_FALSE(Existe(carpeta / "crontab.txt"));
}

TEST_F(TareaProgramada, AceptarRegistraLaEntradaDiariaYUnSegundoAceptarLaReemplaza) {
  ASSERT_TRUE(Aceptar("UnificadorVorna", "07:05")) << UltimoMensaje();
  EXPECT_EQ(ValorGuardado("HORA_UNIFICADORVORNA"), "07:05");
  EXPECT_TRUE(Existe(destino + "/ut_vorna")) << "the program is copied into the destination folder";
  EXPECT_EQ(UltimoMensaje(), kProcesoEjecutado + "UnificadorVorna");
  // The command file holds the password: only its owner could read it
  // while it ran, and it is gone once the crontab holds the entry.
  EXPECT_EQ(LeerArchivo(derechosComando), "600\n600\n");
  EXPECT_FALSE(Existe(destino + "/TAREA.CMD"));

  ASSERT_TRUE(Aceptar("UnificadorVorna", "23:40")) << UltimoMensaje();
  const std::string entrada = Entrada();
  EXPECT_EQ(Crontab(), entrada + "\n") << "the first entry was replaced";
  EXPECT_EQ(entrada.rfind("40 23 * * * ", 0), 0u) << entrada;

  // What cron runs: the copied program receives the parameter text as one
  // argument, quotes, "%" and backslashes of the password included.
  ASSERT_EQ(Replicar(entrada), 0) << Salida();
  EXPECT_EQ(LeerArchivo(argumentoRecibido), parametros);
}

TEST_F(TareaProgramada, CarpetaGuardadaConSeparadorFinal) {
  // The program's path in the task takes a single separator.
  Guardar(vorna::ClaveCarpetaDestino(), destino + "/");
  FrmTareaProgramadaModelo f;
  f.Form_Load();
  EXPECT_EQ(f.Caja(2).texto, destino + "/ut_vorna ");
  ASSERT_TRUE(f.CmdAceptar_Click()) << UltimoMensaje();
  EXPECT_TRUE(Existe(destino + "/ut_vorna"));
  EXPECT_NE(Entrada().find(" '" + destino + "/ut_vorna' "), std::string::npos) << Crontab();
}

TEST_F(TareaProgramada, UnaCarpetaQueNoSirveSeRechazaAntesDeTocarNada) {
  EscribirArchivo(carpeta / "archivo", "x");
  const struct {
    std::string carpeta, enElMensaje;
  } casos[] = {
      {"C:\\", "\"C:\\\" no existe"},  // the main window's design text
      {"", "No se indico la carpeta destino"},
      {"   ", "No se indico la carpeta destino"},
      {carpeta / "no/existe", "\"" + (carpeta / "no/existe") + "\" no existe"},
      {carpeta / "archivo", "no es una carpeta"},
  };
  EscribirArchivo(carpeta / "crontab.txt", "1 2 * * * otra\n");
  for (const auto& c : casos) {
    Guardar(vorna::ClaveCarpetaDestino(), c.carpeta);
    EXPECT_FALSE(Aceptar()) << c.carpeta;
    EXPECT_NE(UltimoMensaje().find(c.enElMensaje), std::string::npos) << UltimoMensaje();
    EXPECT_EQ(UltimoMensaje().rfind("No se pudo crear la tarea programada UnificadorVorna: ", 0), 0u);
  }
  EXPECT_EQ(ValorGuardado("HORA_UNIFICADORVORNA"), " ") << "nothing is stored";
  EXPECT_EQ(Crontab(), "1 2 * * * otra\n");
  EXPECT_FALSE(Existe(derechosComando)) << "no command file was run";
  EXPECT_FALSE(Existe("C:\\")) << "no folder is made up";
}

TEST_F(TareaProgramada, UnaCarpetaRelativaQuedaGuardadaCompleta) {
  // cron starts in the home folder: the task and the unattended run both
  // need the folder the operator meant.
  {
    const EnCarpeta enLaDelPrograma(ejecutables.Ruta());
    Guardar(vorna::ClaveCarpetaDestino(), "Mis Datos");
    ASSERT_TRUE(Aceptar()) << UltimoMensaje();
  }
  EXPECT_EQ(ValorGuardado(vorna::ClaveCarpetaDestino()), destino);
  EXPECT_NE(Entrada().find(" '" + destino + "/ut_vorna' "), std::string::npos) << Crontab();
}

TEST_F(TareaProgramada, OtrasLineasDelUsuarioQuedanComoEstaban) {
  const std::string antes =
      "# mis tareas\n"
      "MAILTO=ana@example.com\n"
      "\n"
      "30 2 * * * /usr/bin/respaldo --todo\n"
      "1 0 * * * viejo # ut_vorna-tarea:UnificadorVorna\n"
      "\n"
      "\n"
      "0 * * * * date # ut_vorna-tarea:UnificadorVorna2\n"
      "  \t\n";
  EscribirArchivo(carpeta / "crontab.txt", antes);
  ASSERT_TRUE(Aceptar()) << UltimoMensaje();
  std::string sinLaTarea = texto::ReemplazarTodo(antes, "1 0 * * * viejo # ut_vorna-tarea:UnificadorVorna\n", "");
  EXPECT_EQ(Crontab(), sinLaTarea + Entrada() + "\n");
}

TEST_F(TareaProgramada, NombresConBarrasPorcentajesOComillasReemplazanSuPropiaEntrada) {
  for (const std::string nombre : {"Vorna\\diaria", "Vorna 100%", "Vorna\\%x", "Vorna 'a' \"b\"", "Vorna \\\\n*"}) {
    ASSERT_TRUE(Aceptar(nombre, "07:05")) << nombre << ": " << UltimoMensaje();
    ASSERT_TRUE(Aceptar(nombre, "08:15")) << nombre << ": " << UltimoMensaje();
    const std::string entrada = Entrada(nombre);
    EXPECT_EQ(entrada.rfind("15 8 * * * ", 0), 0u) << nombre << "\n" << Crontab();
    EXPECT_EQ(UltimoMensaje(), kProcesoEjecutado + nombre);
    std::remove(argumentoRecibido.c_str());
    ASSERT_EQ(Replicar(entrada), 0) << Salida();
    EXPECT_EQ(LeerArchivo(argumentoRecibido), parametros) << nombre;
  }
  size_t lineas = 0;
  for (char c : Crontab()) lineas += c == '\n';
  EXPECT_EQ(lineas, 5u) << "one entry per task:\n" << Crontab();
}

TEST_F(TareaProgramada, SinComandoCrontabSeDiceQueFalloYNoSeDaPorHecho) {
  setenv("UT_VORNA_CRONTAB", (ejecutables / "no-existe").c_str(), 1);
  EXPECT_FALSE(Aceptar());
  EXPECT_NE(UltimoMensaje().find("no se encontro el comando " + (ejecutables / "no-existe")), std::string::npos)
      << UltimoMensaje();
  for (const auto& m : op->Mensajes()) EXPECT_EQ(m.texto.find("PROCESO EJECUTADO"), std::string::npos);
  EXPECT_FALSE(Existe(destino + "/TAREA.CMD"));
  FrmTareaProgramadaModelo f;
  f.CmdTareas_Click();
  EXPECT_NE(UltimoMensaje().find("No se pudieron leer las tareas programadas"), std::string::npos);
}

TEST_F(TareaProgramada, UnCrontabQueRechazaOPierdeLaTablaNoDaLaTareaPorHecha) {
  const struct {
    const char* guion;
    const char* enElMensaje;
  } casos[] = {
      {"[ \"$1\" = -l ] && exit 1; echo 'crontab: tabla rechazada' >&2; exit 1", "crontab: tabla rechazada"},
      {"[ \"$1\" = -l ] && exit 1; cat >/dev/null", "la entrada no quedo en la tabla de cron"},
      {"[ \"$1\" = -l ] && { echo 'tabla ilegible' >&2; echo '1 2 * * * x'; exit 1; }; cat > /dev/null",
       "tabla ilegible"},
  };
  for (const auto& c : casos) {
    const std::string crontab = ejecutables / "crontab-falla.sh";
    EscribirArchivo(crontab, std::string("#!/bin/sh\n") + c.guion + "\n");
    chmod(crontab.c_str(), 0755);
    setenv("UT_VORNA_CRONTAB", crontab.c_str(), 1);
    EXPECT_FALSE(Aceptar()) << c.guion;
    EXPECT_NE(UltimoMensaje().find(c.enElMensaje), std::string::npos) << UltimoMensaje();
    EXPECT_FALSE(Existe(destino + "/TAREA.CMD"));
  }
}

TEST_F(TareaProgramada, UnaHoraQueNoSePuedeGuardarDetieneLaTarea) {
  EjecutarSqlite(base,
                 "CREATE TRIGGER sin_hora BEFORE INSERT ON TA_CONFIGURACION "
                 "WHEN NEW.CLAVE = 'HORA_UNIFICADORVORNA' BEGIN SELECT RAISE(ABORT, 'sin permiso'); END");
  EXPECT_FALSE(Aceptar());
  EXPECT_NE(UltimoMensaje().find("no se pudo guardar la hora 07:05"), std::string::npos) << UltimoMensaje();
  EXPECT_FALSE(Existe(carpeta / "crontab.txt")) << "nothing registered";
  EXPECT_FALSE(Existe(destino + "/ut_vorna"));
}

TEST_F(TareaProgramada, CmdTareasMuestraLasEntradasDelUsuario) {
  EscribirArchivo(carpeta / "crontab.txt", "1 0 * * * x # ut_vorna-tarea:UnificadorVorna\n");
  FrmTareaProgramadaModelo f;
  f.CmdTareas_Click();
  EXPECT_EQ(UltimoMensaje(), "1 0 * * * x # ut_vorna-tarea:UnificadorVorna");
}

}  // namespace
