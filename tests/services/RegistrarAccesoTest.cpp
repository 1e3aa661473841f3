// The access log row of every start.
#include "support/BaseDePrueba.h"
#include "support/RelojDePrueba.h"
#include "services/NombreEjecutable.h"
#include "services/RegistrarAcceso.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class RegistrarAccesoSqlite : public ConBaseSqlite {
 protected:
  Filas Registrados() {
    return Consultar("SELECT Maquina, Usuario, Formulario, Tarea, NombreUsuario FROM Control_Acceso");
  }
  std::string Maquina() { return texto::Mayusculas(texto::Recortado(NombreEquipo())); }
  std::string Programa() { return texto::Mayusculas(NombreEjecutable()); }
  RelojDePrueba reloj;
};

TEST_F(RegistrarAccesoSqlite, UserWithoutTaskIsLoggedWithAnEmptyTask) {
  gUsuarioLogeado = "lo que diga el lanzamiento";
  RegistrarAcceso();
  EXPECT_EQ(gUsuarioLogeado, "ana");
  EXPECT_EQ(Registrados(), (Filas{{Maquina(), "ANA", Programa(), "", "ana"}}));
  // Stored as a date and time: the embedded engine keeps them in ISO form.
  const Filas ingreso = Consultar("SELECT Ingreso FROM Control_Acceso");
  ASSERT_EQ(ingreso.size(), 1u);
  const auto fecha = FechaHora::DesdeIso(ingreso[0][0]);
  ASSERT_TRUE(fecha) << ingreso[0][0];
  EXPECT_EQ(*fecha, reloj.Local());
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(RegistrarAccesoSqlite, SupervisorAndDatabaseOwnerAreLoggedUnderTheProgram) {
  Abrir(base, "Supervisor Praxel MC");
  RegistrarAcceso("vorna");
  EXPECT_EQ(Registrados(), (Filas{{Maquina(), "SUPERVISOR PRAXEL MC", "VORNA", Programa(), "Supervisor Praxel MC"}}));
}

TEST_F(RegistrarAccesoSqlite, ApostropheLeavesTheUserName) {
  Abrir(base, "o'neill");
  RegistrarAcceso();
  EXPECT_EQ(Registrados(), (Filas{{Maquina(), "ONEILL", Programa(), "", "oneill"}}));
  EXPECT_EQ(gUsuarioLogeado, "oneill");
}

TEST_F(RegistrarAccesoSqlite, DatabaseWithoutTheLogTableTellsTheOperatorAndGoesOn) {
  Ejecutar("DROP TABLE Control_Acceso");
  RegistrarAcceso();
  ASSERT_FALSE(op->Mensajes().empty());
  EXPECT_EQ(op->Mensajes().back().titulo, "Aviso al Operador!");
  EXPECT_EQ(Consultar("SELECT Error, Proceso FROM AUX_ERR"), (Filas{{"208", NombreEjecutable()}}));
}

// The menu entry is found by the process name inside its Proceso text.
// The lookup names the user with a blank after it, which the comparison
// ignores (as SQL Server's does), so the grant stored as "ana" is found.
TEST_F(RegistrarAccesoSqlite, MenuEntryWhoseProcessContainsTheProgramGivesTheTask) {
  Ejecutar("INSERT INTO TA_MENU (Clave, Nombre, Proceso) VALUES ('M1', ' Unificador Vorna ', 'C:\\OMRA\\" +
           NombreEjecutable() + ".EXE'), ('M2', 'Otra', 'OTRO.EXE')");
  Ejecutar("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ana', 'M1'), ('ana', 'M2')");
  RegistrarAcceso();
  EXPECT_EQ(Registrados(), (Filas{{Maquina(), "ANA", Programa(), "UNIFICADOR VORNA", "ana"}}));
}

class RegistrarAccesoSentencias : public ConGrabador {};

// Without a task row: the database owner (any case) and the supervisor are
// logged under the program's name, anyone else with an empty task.
TEST_F(RegistrarAccesoSentencias, TaskWithoutAMenuEntry) {
  struct Caso {
    const char* usuario;
    const char* base;
    bool conPrograma;
  };
  for (const Caso& c : {Caso{"ana", "VENTAS", false}, Caso{"ana", "ANA", true},
                        Caso{"supervisor praxel mc", "VENTAS", true}, Caso{"SUPERVISOR", "VENTAS", false}}) {
    grabacion->Limpiar();
    ResponderFilas("FROM TA_TAREAS", {{"Nombre"}}, {}, 1);
    db.gUsuario = c.usuario;
    db.gDBName = c.base;
    RegistrarAcceso("UT_VORNA");
    const auto s = Sentencias();
    ASSERT_EQ(s.size(), 3u) << c.usuario;
    const std::string tarea = c.conPrograma ? texto::Mayusculas(NombreEjecutable()) : "";
    EXPECT_NE(s[1].find("','" + texto::Mayusculas(c.usuario) + "','UT_VORNA','" + tarea + "','"), std::string::npos)
        << c.usuario << " on " << c.base << ": " << s[1];
  }
}

// The task comes from the menu entry granted to the user (on SQL Server
// the blank after the user name in the lookup does not matter).
TEST_F(RegistrarAccesoSentencias, TaskOfTheMenuEntryGrantedToTheUser) {
  ResponderFilas("FROM TA_TAREAS", {{"USUARIO"}, {"Proceso"}, {"Clave"}, {"Nombre"}},
                 {{Variant("ana"), Variant("c:\\omra\\ut_vorna.exe"), Variant("M1"), Variant(" Unificador Vorna ")}});
  RegistrarAcceso("ut_vorna");
  const auto s = Sentencias();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_NE(s[1].find("'ANA','UT_VORNA','UNIFICADOR VORNA','"), std::string::npos) << s[1];
}

TEST_F(RegistrarAccesoSentencias, LookupAndInsertTexts) {
  ResponderFilas("FROM TA_TAREAS", {{"Nombre"}}, {});
  db.gUsuario = "o'neill";
  RegistrarAcceso("UT_VORNA");
  const auto s = Sentencias();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0],
            "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) "
            "INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'o''neill ') AND "
            "(TA_MENU.Proceso LIKE '%UT_VORNA%')");
  const std::string inicio =
      "BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso "
      "(Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('" +
      texto::Mayusculas(NombreEquipo()) + "','ONEILL','UT_VORNA','','";
  EXPECT_EQ(s[1].substr(0, inicio.size()), inicio);
  EXPECT_EQ(s[1].substr(inicio.size() + 14), "','oneill')\r");
  EXPECT_EQ(s[2], "COMMIT TRANSACTION");
}

}  // namespace
