// The statistics database on the embedded engine, in-process: the first
// provisioning creates PX_ESTADISTICAS.sqlite beside the main database
// with the delivered schema; a later one creates and changes nothing.
#include <filesystem>

#include "GuionDePrueba.h"
#include "provisioning/CrearLogin.h"
#include "provisioning/LoginEstadisticas.h"
#include "services/Configuracion.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class EstadisticasSqlite : public ConGuionSqlite {
 protected:
  EsquemaJuntoAlPrograma esquema{carpeta.Ruta()};
  void Provisionar() { CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas); }
  // A value of the main connection's configuration table (wherever that connection is).
  std::string ValorPrincipal(const std::string& clave) {
    Recordset rs;
    db.AbrirRecordset("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = '" + clave + "'", rs);
    std::string v = rs.State() == estado_objeto::Abierto && !rs.Eof() ? rs.Valor("VALOR").Texto() : "<ninguno>";
    db.CierraRecordset(rs);
    return v;
  }

  std::string px = carpeta / "PX_ESTADISTICAS.sqlite";
};

TEST_F(EstadisticasSqlite, PrimeraVezSeCreaYLuegoNadaCambia) {
  Provisionar();
  ASSERT_TRUE(Existe(px));
  EXPECT_EQ(ConsultarSqlite(px, "SELECT name FROM sqlite_master WHERE type = 'table'"), (Filas{{"TA_CONFIGURACION"}}));
  EXPECT_EQ(ConsultarSqlite(px, "SELECT GRUPO, CLAVE, VALOR, VALORAUX, POLITICANEGOCIO FROM TA_CONFIGURACION"),
            (Filas{{"BaseDeDatos", "TIMEOUT", "360", "<null>", "0"}}));
  EXPECT_TRUE(op->Mostrados().empty()) << "a clean creation says nothing";
  for (const auto& a : ArchivosDeErrores()) EXPECT_EQ(LeerArchivo(a), "") << a;

  // The main connection is left on the new database, as on a server,
  // until the start-up puts it back.
  EXPECT_EQ(ValorPrincipal("TimeOut"), "360");
  ASSERT_FALSE(db.gCnn->FijarDefaultDatabase(db.gDBName).HayError());
  EXPECT_EQ(ValorPrincipal("TimeOut"), "<ninguno>");

  // The statistics connection is open on it.
  ASSERT_TRUE(DBEstadisticas().gOpenFlag);
  EXPECT_EQ(CfgPX("timeout"), "360");

  // A later start: the login exists with its database; nothing runs.
  const std::string antes = LeerArchivo(px);
  const size_t archivos = ArchivosDeErrores().size();
  Abrir(base);
  op->Limpiar();
  Provisionar();
  EXPECT_EQ(LeerArchivo(px), antes);
  EXPECT_EQ(ArchivosDeErrores().size(), archivos) << "no script ran";
  EXPECT_TRUE(op->Mostrados().empty());
  EXPECT_EQ(ValorPrincipal("TimeOut"), "<ninguno>") << "the main connection stayed where it was";
}

// The configuration routines work on the statistics connection the
// provisioning opened, keys matching without regard to case.
TEST_F(EstadisticasSqlite, ConfiguracionEnLaBaseDeEstadisticas) {
  Provisionar();
  ASSERT_TRUE(DBEstadisticas().gOpenFlag);
  GrabaCfgPX("Ultimo Promedio", Variant("12,5"), "aux", true, "Estadisticas", true);
  GrabaCfgPX("TimeOut", Variant(90), "", false, "BaseDeDatos", true);
  std::string aux;
  EXPECT_EQ(CfgPX("ULTIMO PROMEDIO", aux), "12,5");
  EXPECT_EQ(aux, "aux");
  EXPECT_EQ(CfgPX("TimeOut"), "90");
  EXPECT_EQ(ConsultarSqlite(px, "SELECT CLAVE, VALOR, GRUPO, POLITICANEGOCIO FROM TA_CONFIGURACION ORDER BY CLAVE"),
            (Filas{{"TIMEOUT", "90", "BaseDeDatos", "0"}, {"ULTIMO PROMEDIO", "12,5", "Estadisticas", "1"}}));
}

}  // namespace
