// Registration of the article of the window as the next free number.
#include "articles/FrmArtAltaModelo.h"
#include "articles/ResolverArticulo.h"
#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "services/Configuracion.h"
#include "services/TextoSql.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

// True when the operator wants the article although its barcode is taken.
bool AceptaCodigoRepetido(const std::string& codigoBarra) {
  DB_Dll& db = DB();
  Recordset rs;
  bool seguir = true;
  if (db.ExisteEnTabla("V_MA_ARTICULOS", ComillasDobladas(codigoBarra), "codigobarra", &rs, 8, "", true)) {
    const std::string pregunta = "Ya existe un articulo con ese codigo de barras.\r\nArticulo " +
                                 texto::Recortado(SinNulo(rs.Valor("IdArticulo"))) + " - " +
                                 texto::Recortado(SinNulo(rs.Valor("Descripcion"))) + "\r\n¿Ingresarlo igual?";
    seguir = operador().Mensaje(pregunta, botones::SiNo + botones::Informacion, "Aviso al Operador") == respuesta::Si;
  }
  db.CierraRecordset(rs);
  return seguir;
}

// One more than the highest article number among the codes that begin with
// a blank, as plain number text; empty when the search failed and the
// operator gave up.
std::string SiguienteNumero() {
  for (;;) {
    ErrorSistema error;
    const Variant mayor =
        DB().BuscaMaximo("v_ma_articulos", "idarticulo", std::nullopt, "  SUBSTRING(IDARTICULO,1,1) = ' '", &error);
    if (!error.HayError()) return TextoDeNumero(1 + mayor.Numero(), '.');
    if (DecisionDeRespuesta(DB().TratamientoErrores(error, std::nullopt, "AltaArticulos")) != Decision::Repetir)
      return {};
  }
}

std::string SentenciaAlta(const std::string& id, const std::string& codigoBarra, const std::string& descripcion) {
  return "INSERT INTO V_MA_ARTICULOS (IdArticulo,CodigoBarra,Descripcion,IdUnidad,UsaSerie,UsaLote,Exento,"
         "Suspendido) VALUES ('" +
         id + "','" + ComillasDobladas(codigoBarra) + "','" + ComillasDobladas(descripcion) + "','   1',0,0,0,0)";
}

}  // namespace

void FrmArtAltaModelo::AltaArticulos() {
  const std::string codigoBarra = Caja("Codigo").texto;
  const std::string descripcion = Caja("Descripcion").texto;
  const std::string clasePrecio = Cfg(alta_articulo::kClaveClasePrecio);

  if (!AceptaCodigoRepetido(codigoBarra)) return;
  if (texto::Recortado(clasePrecio).empty()) {
    operador().Mensaje("Debe informar la clase de precio por default desde la Configuración General del Sistema",
                       botones::OK, "");
    return;
  }
  CodArtNuevo.clear();
  const std::string numero = SiguienteNumero();
  if (numero.empty()) return;
  const std::string id = FormatearCodigo(numero, articulos::kAnchoCodigo);
  if (ResolverArticulo(id)) return;

  DB_Dll& db = DB();
  // Only what this insert leaves in the list tells whether it went in.
  db.gCnn->Errors.Clear();
  db.EjecutaConsultaSQL(SentenciaAlta(id, codigoBarra, descripcion));
  if (db.gCnn->Errors.Fallos() > 0) {
    operador().Mensaje(db.gCnn->Errors.PrimerFallo().descripcion, botones::OK, "");
    return;
  }
  // SQL Server's "would be truncated" is cleared from the list as a warning,
  // though the statement was refused: the row itself tells.
  if (!ResolverArticulo(id)) {
    operador().Mensaje("El articulo " + numero + " no quedo registrado en la base de datos.", botones::OK, "");
    return;
  }
  CodArtNuevo = numero;
}
