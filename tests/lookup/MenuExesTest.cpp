// The program launcher: the launch text, the program an option names, and a
// real program started with it that reads the values back through the
// launch-string rules.
#include <gtest/gtest.h>

#include "ConsultaDePrueba.h"
#include "ProgramasDePrueba.h"
#include "db/DB_Dll.h"
#include "lookup/AltaArticulo.h"
#include "lookup/MenuExes.h"
#include "services/Configuracion.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Operador.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class Lanzador : public ConsultaDePrueba {
 protected:
  void SetUp() override {
    ConsultaDePrueba::SetUp();
    db.gServidor = "SRV01";
    db.gDBName = "VENTAS";
    db.gUsuario = "ana";
    db.gUserPassWord = "";
    gUsuarioLogeado = "ana";
    gCaja = "1";
    FijarCarpeta(programas.Carpeta());
  }
  ProgramasDePrueba programas;
};

TEST_F(Lanzador, TextoDeLanzamiento) {
  EXPECT_EQ(LanzamientoMenuExes("1"),
            " ; @server=SRV01; @dbname=VENTAS; @usuario=ana; @Password=; @ParametroAdicional=1; ombu@ ; "
            "@UsuarioLogeado = ana; @Caja=1;");
}

TEST_F(Lanzador, ProgramaDeCadaOpcion) {
  const std::string app = programas.Carpeta();
  struct Caso {
    const char* opcion;
    std::string programa;
  };
  const Caso casos[] = {
      {"SHELL:V_MA_CLIENTES", app + "V_MA_CLIENTES"}, {"shell:V_TA_TABLAS", app + "V_TA_TABLAS"},
      {"V_TA_TABLAS", app + "V_TA_TABLAS"},           {"SHELL:D:\\PROG\\X.EXE", "D:\\PROG\\X.EXE"},
      {"SHELL:/opt/prog/x", "/opt/prog/x"},
  };
  for (const Caso& c : casos) EXPECT_EQ(ProgramaMenuExes(c.opcion), c.programa) << c.opcion;
}

TEST_F(Lanzador, ElProgramaIniciadoLeeLosMismosValores) {
  db.gUserPassWord = " mi clave ";
  gUsuarioLogeado = "maria";
  gCaja = "7";
  programas.Copiar("V_MA_CLIENTES");
  int32_t id = 0;
  MenuExes("SHELL:V_MA_CLIENTES", "1", id);
  EXPECT_GT(id, 0);
  EXPECT_EQ(programas.Leido(),
            "servidor=SRV01\nbase=VENTAS\nusuario=ana\nclave=mi clave\nmodo=1\nusuarioLogeado=maria\ncaja=7\n");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(Lanzador, UnaRutaCompletaSeIniciaTalCual) {
  const std::string ruta = programas.Copiar("X");
  int32_t id = 0;
  MenuExes("SHELL:" + ruta, "V_TA_RUBROS", id);
  EXPECT_GT(id, 0);
  EXPECT_NE(programas.Leido().find("modo=V_TA_RUBROS\n"), std::string::npos);
}

TEST_F(Lanzador, UnProgramaQueNoExistePasaPorElDialogoDeErrores) {
  struct Caso {
    std::vector<int> respuestas;
    size_t dialogos;
    bool avisoFinal;
  };
  const Caso casos[] = {
      {{respuesta::Ignorar}, 1, true},
      {{respuesta::Reintentar, respuesta::Ignorar}, 2, true},
      {{respuesta::Abortar}, 1, false},
  };
  for (const Caso& c : casos) {
    op->Limpiar();
    for (int r : c.respuestas) op->ResponderMensaje(r);
    int32_t id = -1;
    MenuExes("SHELL:NO_EXISTE", "", id);
    EXPECT_EQ(id, 0);
    const auto mensajes = op->Mensajes();
    ASSERT_EQ(mensajes.size(), c.dialogos + (c.avisoFinal ? 1 : 0));
    EXPECT_NE(mensajes[0].titulo.find("MenuExes"), std::string::npos) << mensajes[0].titulo;
    EXPECT_NE(mensajes[0].texto.find("NO_EXISTE"), std::string::npos) << mensajes[0].texto;
    if (c.avisoFinal) {
      EXPECT_EQ(mensajes.back().texto, "Opcion no Implementada!\rComuniquese con su proveedor de sistemas");
      EXPECT_EQ(mensajes.back().titulo, "Atención");
      EXPECT_EQ(mensajes.back().estilo, botones::Critico);
    }
  }
}

// "N&uevo" of the list window starts the program that maintains the table's records.
TEST_F(Lanzador, NuevoIniciaElProgramaDeLaTabla) {
  Ejecutar(
      "CREATE TABLE V_TA_RUBROS (CODIGO varchar(4), DESCRIPCION varchar(40));"
      "CREATE TABLE V_TA_VENDEDORES_X (CODIGO varchar(4))");
  struct Caso {
    const char* sql;
    const char* programa;
    const char* modo;
  };
  const Caso casos[] = {
      {"SELECT CODIGO FROM VT_CLIENTES", "V_MA_CLIENTES", "1"},
      {"SELECT CODIGO FROM VT_PROVEEDORES", "V_MA_CLIENTES", "0"},
      {"SELECT CODIGO FROM v_ta_rubros", "V_TA_TABLAS", "v_ta_rubros"},
      {"SELECT NOMBRE FROM V_TA_VENDEDORES", "V_TA_VENDEDORES", ""},
      {"SELECT DESCRIPCION FROM V_MA_ARTICULOS", "V_MA_ARTICULOS", ""},
      {"SELECT CODIGO FROM V_TA_VENDEDORES_X", "V_TA_TABLAS", "V_TA_VENDEDORES_X"},
  };
  Ejecutar("CREATE TABLE VT_PROVEEDORES (CODIGO varchar(15))");
  for (const Caso& c : casos) {
    ProgramasDePrueba otros;
    FijarCarpeta(otros.Carpeta());
    otros.Copiar(c.programa);
    Lib_FrmCons3Modelo m;
    m.SQL = c.sql;
    m.Form_Load();
    m.CmdNuevo_Click();
    EXPECT_NE(otros.Leido().find(std::string("modo=") + c.modo + "\n"), std::string::npos) << c.sql;
  }
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(Lanzador, NuevoEnArticulosConAltaAutomaticaAbreElAlta) {
  GrabaDfg("ArticulosPermitealtaAutomatica", std::string("si"));
  std::string propuesto, devolver;
  RegistrarAltaArticulo([&](const std::string& codigo) {
    propuesto = codigo;
    return devolver;
  });
  struct VistaOculta : VistaLista {
    void Ocultar() override { ++veces; }
    int veces = 0;
  } vista;
  Lib_FrmCons3Modelo m;
  m.UsarVista(&vista);
  m.SQL = kArticulos;
  m.Form_Load();
  m.ValorDevuelto = Variant("antes");
  m.CmdNuevo_Click();
  // The next number after the right-aligned codes (none here: the fixture's are not padded).
  EXPECT_EQ(propuesto, "1");
  EXPECT_EQ(m.ValorDevuelto.Texto(), "antes") << "nothing registered: the lookup stays open";
  EXPECT_EQ(vista.veces, 0);
  devolver = "1";
  m.CmdNuevo_Click();
  EXPECT_EQ(m.ValorDevuelto.Texto(), "1");
  EXPECT_EQ(vista.veces, 1);
  RegistrarAltaArticulo(nullptr);
  m.UsarVista(nullptr);
}

}  // namespace
