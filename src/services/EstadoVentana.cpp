#include "services/EstadoVentana.h"

#include <vector>

#include "db/DB_Dll.h"
#include "services/PropiedadControl.h"
#include "services/TextoSql.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace estado_ventana {

std::string ClaveVentana(const ModeloVentana& ventana, const std::string& sufijo) {
  return Recortar(ventana.Nombre() + sufijo, kAnchoFormulario);
}

std::string UsuarioEstado(const std::string& sufijo) {
  return sufijo.find('@') != std::string::npos ? "" : Recortar(gUsuarioLogeado, kAnchoColumna);
}

}  // namespace estado_ventana

namespace {

using namespace estado_ventana;

// A value cut to its column and made safe to stand between apostrophes.
std::string Columna(const std::string& valor) { return ComillasDobladas(Recortar(valor, kAnchoColumna)); }

// The fields that hold the record key of a data window are never kept.
bool EsCampoClave(const ControlVentana& c) {
  return texto::IgualesSinCaso(c.nombre, "Txtfields") && c.indice == 0 &&
         (EstaEnLista(c.dataField, {"Codigo", "Cuenta"}) || texto::EmpiezaSinCaso(c.dataField, "Id"));
}

bool Elegido(const ControlVentana& c, const std::string& nombreControl, bool tambienTipo) {
  return nombreControl.empty() || texto::IgualesSinCaso(nombreControl, c.nombre) ||
         (tambienTipo && texto::IgualesSinCaso(nombreControl, c.tipo));
}

std::string SentenciaBorrado(const std::string& clave, const std::string& usuario, const std::string& nombreControl) {
  std::string sql = "DELETE TA_CONFIG_FORM WHERE FORMULARIO = '" + ComillasDobladas(clave) + "' AND USUARIO= '" +
                    ComillasDobladas(usuario);
  if (!nombreControl.empty()) sql += "' and Nombre = '" + Columna(nombreControl);
  return sql + "'";
}

// The rows a save replaces. A control named: its rows. A type name given
// instead: the rows of every control of that type, which the save writes
// again; deleting only rows named like the type would leave the old ones,
// and the restore, which takes the oldest row, would never see the new.
std::vector<std::string> NombresABorrar(const ModeloVentana& ventana, const std::string& nombreControl) {
  std::vector<std::string> nombres = {nombreControl};
  if (nombreControl.empty()) return nombres;
  for (const ControlVentana& c : ventana.Controles()) {
    if (!texto::IgualesSinCaso(c.tipo, nombreControl) || !PropiedadGuardada(c) || EstaEnLista(c.nombre, nombres))
      continue;
    nombres.push_back(c.nombre);
  }
  return nombres;
}

std::string SentenciaAlta(const std::string& clave, const std::string& usuario, const ControlVentana& c,
                          const PropiedadControl& p) {
  const std::vector<std::string> valores = {ComillasDobladas(clave),  ComillasDobladas(usuario), Columna(c.tipo),
                                            Columna(c.nombre),        Columna(p.propiedad),      Columna(p.dataField),
                                            ComillasDobladas(p.valor)};
  std::string sql =
      "INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES ('";
  for (size_t i = 0; i < valores.size(); ++i) sql += (i ? "','" : "") + valores[i];
  return sql + "')";
}

std::string SentenciaLectura(const std::string& clave, const std::string& usuario, const ControlVentana& c,
                             const PropiedadControl& p) {
  return "SELECT * FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = '" + ComillasDobladas(clave) +
         "' AND USUARIO = '" + ComillasDobladas(usuario) + "' AND TIPOOBJETO = '" + Columna(c.tipo) + "' AND NOMBRE='" +
         Columna(c.nombre) + "' AND DATAFIELD='" + Columna(p.dataField) + "' AND PROPIEDAD='" + Columna(p.propiedad) +
         "' order by id";
}

// VALOR of the first stored row of the control, when there is one.
std::optional<std::string> ValorGuardado(const std::string& sql) {
  DB_Dll& db = DB();
  Recordset rs;
  db.AbrirRecordset(sql, rs, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura);
  std::optional<std::string> valor;
  if (rs.State() == estado_objeto::Abierto && !rs.Eof()) valor = SinNulo(rs.Valor("VALOR"));
  db.CierraRecordset(rs);
  return valor;
}

}  // namespace

void GuardarEstadoVentana(const ModeloVentana& ventana, const std::string& sufijo, const std::string& nombreControl) {
  const std::string clave = ClaveVentana(ventana, sufijo);
  const std::string usuario = UsuarioEstado(sufijo);
  for (const std::string& nombre : NombresABorrar(ventana, nombreControl))
    DB().EjecutaConsultaSQL(SentenciaBorrado(clave, usuario, nombre));
  for (const ControlVentana& c : ventana.Controles()) {
    const auto p = PropiedadGuardada(c);
    if (!p || EsCampoClave(c) || !Elegido(c, nombreControl, true)) continue;
    DB().EjecutaConsultaSQL(SentenciaAlta(clave, usuario, c, *p));
  }
}

void RestaurarEstadoVentana(ModeloVentana& ventana, const std::string& sufijo, const std::string& nombreControl) {
  const std::string clave = ClaveVentana(ventana, sufijo);
  const std::string usuario = UsuarioEstado(sufijo);
  for (ControlVentana& c : ventana.Controles()) {
    operador().ProcesarEventos();
    const auto p = PropiedadGuardada(c);
    if (!p || !Elegido(c, nombreControl, false)) continue;
    if (texto::IgualesSinCaso(c.tipo, "ComboBox") && texto::IgualesSinCaso(c.nombre, "CboPlantilla")) continue;
    if (const auto valor = ValorGuardado(SentenciaLectura(clave, usuario, c, *p)))
      RestaurarPropiedad(ventana, c, *valor);
  }
}
