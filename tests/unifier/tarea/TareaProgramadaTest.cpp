#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "TareaDePrueba.h"
#include "sivlib/Texto.h"
#include "unifier/ClavesVorna.h"
#include "unifier/tarea/ComandoTarea.h"
#include "unifier/tarea/EjecutarCmd.h"
#include "unifier/tarea/FrmTareaProgramadaModelo.h"
#include "unifier/tarea/HoraTarea.h"

namespace {

TEST(HoraTarea, AceptaHorasYMinutosValidos) {
  for (const char* t : {"00:01", "0:01", "23:59", " 07:30 ", "12:00:59"}) EXPECT_TRUE(tarea::HoraValida(t)) << t;
  for (const char* t : {"25:00", "24:00", "ab:cd", "7", "07:5", "07:60", "", " ", "07:30:", "-1:00", "7:300"})
    EXPECT_FALSE(tarea::HoraValida(t)) << t;
}

TEST(ComandoTarea, LasDosLineasDeSchtasks) {
  EXPECT_EQ(tarea::LineasSchtasks("UnificadorVorna", "00:01", "F\\UT_VORNA.EXE ", "@server=s; @ParametroAdicional=1; ombu@"),
            "SCHTASKS /Delete /TN UnificadorVorna /F\r\n"
            "SCHTASKS /Create /TN UnificadorVorna /SC DAILY /ST 00:01 /TR \"F\\UT_VORNA.EXE @server=s; "
            "@ParametroAdicional=1; ombu@\"\r\n");
}

TEST(ComandoTarea, EntradaCronCitadaParaElShellYParaCron) {
  EXPECT_EQ(tarea::EntradaCron("UnificadorVorna", "7:05", "/d/Mis Datos/ut_vorna ", "@Password=a'b%c;"),
            "5 7 * * * '/d/Mis Datos/ut_vorna' '@Password=a'\\''b\\%c;' # ut_vorna-tarea:UnificadorVorna");
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

class TareaProgramada : public TareaDePrueba {};

TEST_F(TareaProgramada, CargaLosValoresPorDefecto) {
  FrmTareaProgramadaModelo f;
  f.Form_Load();
  EXPECT_EQ(f.Ventana().caption, "PROGRAMADOR DE TAREAS");
  EXPECT_EQ(f.CarpetaDestino, destino);
  EXPECT_EQ(f.Caja(0).texto, "UnificadorVorna");
  EXPECT_EQ(f.Caja(2).texto, destino + "/ut_vorna ");
  EXPECT_EQ(f.Caja(1).texto, "@server=sqlite; @dbname=" + base +
                                 "; @usuario=ana; @Password=cl'a%ve; @ParametroAdicional=1; ombu@");
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
    FrmTareaProgramadaModelo f;
    f.Form_Load();
    f.Ventana().FijarTexto(f.Caja(3), hora);
    EXPECT_FALSE(f.CmdAceptar_Click());
    ASSERT_FALSE(op->Mensajes().empty());
    EXPECT_EQ(op->Mensajes().back().texto, "Corrija o ingrese una hora valida");
    EXPECT_EQ(op->Mensajes().back().titulo, "Atencion");
  }
  EXPECT_EQ(ValorGuardado("HORA_UNIFICADORVORNA"), " ");
  EXPECT_FALSE(Existe(destino + "/" + tarea::NombreArchivoComando()));
  EXPECT_FALSE(Existe(carpeta / "crontab.txt"));
}

TEST_F(TareaProgramada, AceptarRegistraLaEntradaDiariaYUnSegundoAceptarLaReemplaza) {
  EscribirArchivo(carpeta / "crontab.txt", "30 2 * * * /usr/bin/otra-cosa # ajena\n");
  FrmTareaProgramadaModelo f;
  f.Form_Load();
  f.Ventana().FijarTexto(f.Caja(3), "07:05");
  ASSERT_TRUE(f.CmdAceptar_Click());
  EXPECT_EQ(ValorGuardado("HORA_UNIFICADORVORNA"), "07:05");
  EXPECT_TRUE(Existe(destino + "/ut_vorna")) << "the program is copied into the destination folder";
  EXPECT_TRUE(Existe(destino + "/TAREA.CMD")) << "the command file keeps its name";
  ASSERT_FALSE(op->Mensajes().empty());
  EXPECT_EQ(op->Mensajes().back().texto,
            "PROCESO EJECUTADO, POR FAVOR VERIFIQUE DESDE EL PROGRAMADOR DE TAREAS DE WINDOWS, LA TAREA UnificadorVorna");

  FrmTareaProgramadaModelo g;
  g.Form_Load();
  EXPECT_EQ(g.Caja(3).texto, "07:05");
  g.Ventana().FijarTexto(g.Caja(3), "23:40");
  ASSERT_TRUE(g.CmdAceptar_Click());
  const std::string tabla = Crontab();
  EXPECT_NE(tabla.find("30 2 * * * /usr/bin/otra-cosa # ajena\n"), std::string::npos) << tabla;
  EXPECT_EQ(tabla.find("5 7 * * *"), std::string::npos) << "the first entry was replaced:\n" << tabla;
  const std::string entrada = tarea::EntradaCron("UnificadorVorna", "23:40", g.Caja(2).texto, g.Caja(1).texto);
  EXPECT_NE(tabla.find(entrada + "\n"), std::string::npos) << tabla;

  // What cron would run: the copied program receives the parameter text as one argument.
  std::string comando = entrada.substr(std::string("40 23 * * * ").size());
  comando = comando.substr(0, comando.rfind(" # ut_vorna-tarea:"));
  comando = texto::ReemplazarTodo(comando, "\\%", "%");
  const int estado = std::system(comando.c_str());
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << comando;
  EXPECT_EQ(LeerArchivo(argumentoRecibido), g.Caja(1).texto);
}

TEST_F(TareaProgramada, CarpetaGuardadaConSeparadorFinal) {
  // The copy's path takes a doubled separator, which the platform accepts;
  // the program's path in the task and the command file take a single one.
  Guardar(vorna::ClaveCarpetaDestino(), destino + "/");
  FrmTareaProgramadaModelo f;
  f.Form_Load();
  EXPECT_EQ(f.Caja(2).texto, destino + "/ut_vorna ");
  ASSERT_TRUE(f.CmdAceptar_Click());
  EXPECT_TRUE(Existe(destino + "//ut_vorna"));
  EXPECT_TRUE(Existe(destino + "/TAREA.CMD"));
  EXPECT_NE(Crontab().find("'" + destino + "/ut_vorna' "), std::string::npos) << Crontab();
}

TEST_F(TareaProgramada, SinComandoCrontabNoQuedaNadaRegistrado) {
  setenv("UT_VORNA_CRONTAB", (carpeta / "no-existe").c_str(), 1);
  FrmTareaProgramadaModelo f;
  f.Form_Load();
  EXPECT_TRUE(f.CmdAceptar_Click());
  EXPECT_FALSE(Existe(carpeta / "crontab.txt"));
  f.CmdTareas_Click();
  EXPECT_NE(op->Mensajes().back().texto.find("No se pudieron leer las tareas programadas"), std::string::npos);
}

TEST_F(TareaProgramada, CmdTareasMuestraLasEntradasDelUsuario) {
  EscribirArchivo(carpeta / "crontab.txt", "1 0 * * * x # ut_vorna-tarea:UnificadorVorna\n");
  FrmTareaProgramadaModelo f;
  f.CmdTareas_Click();
  EXPECT_EQ(op->Mensajes().back().texto, "1 0 * * * x # ut_vorna-tarea:UnificadorVorna");
}

}  // namespace
