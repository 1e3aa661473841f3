#include "services/Configuracion.h"

#include "db/DB_Dll.h"
#include "db/TratamientoErrores.h"
#include "services/TextoSql.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace configuracion {

const std::string& Tabla() {
  if (texto::Recortado(gTablaConfiguracion).empty()) gTablaConfiguracion = "TA_CONFIGURACION";
  return gTablaConfiguracion;
}

std::string SentenciaLectura(const std::string& tabla, const std::string& clave) {
  const std::string recortada = texto::Recortado(clave);
  std::string sql =
      "SELECT VALOR, valoraux FROM " + tabla + " with(nolock)  WHERE CLAVE = '" + ComillasDobladas(recortada) + "'";
  // These two keys are stored in capitals on servers whose collation
  // tells case apart.
  if (EstaEnLista(recortada, {"[FECHA HASTA]", "[FECHA DESDE]"})) sql = texto::Mayusculas(sql);
  return sql;
}

// The row is looked for under the key as it is stored (trimmed): a key
// handed in with blanks around it must find its row, not add a second one
// that the key's uniqueness would refuse.
std::string SentenciaEscritura(const std::string& tabla, const std::string& clave) {
  return "SELECT * FROM " + tabla + " with(nolock)  WHERE CLAVE = '" + ComillasDobladas(texto::Recortado(clave)) + "'";
}

}  // namespace configuracion

namespace {

// What reading a closed recordset raises.
ErrorSistema RecordsetCerrado() {
  return {3704, "Operation is not allowed when the object is closed.", "ADODB.Recordset"};
}

// The read continues only when the operator answers "Ignorar".
bool Seguir(const char* rutina) {
  return TratamientoErroresGeneral(RecordsetCerrado(), std::nullopt, std::string(rutina)) == respuesta::Ignorar;
}

std::string Leer(DB_Dll& db, const std::string& Clave, std::string& ValorAux, const char* rutina) {
  const std::string sql = configuracion::SentenciaLectura(configuracion::Tabla(), Clave);
  Recordset rs;
  std::string resultado;
  db.AbrirRecordset(sql, rs, nullptr, cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1, true);
  // AbrirRecordset has told the operator why it failed; reading the row of
  // a recordset that did not open is this routine's own failure.
  if (rs.State() != estado_objeto::Abierto) {
    if (!Seguir(rutina)) return "";
  } else if (rs.Eof()) {
    resultado = " ";
    ValorAux.clear();
  } else {
    resultado = SinNulo(rs.Valor("VALOR"));
    ValorAux = SinNulo(rs.Valor("VALORAUX"));
  }
  db.CierraRecordset(rs);
  if (texto::IgualesSinCaso(Clave, "THEME") && texto::Recortado(resultado).empty()) resultado = "1";
  return resultado;
}

// Why a recordset did not open: the provider's last record, when it left one.
ErrorSistema NoSePudoLeer(DB_Dll& db, const std::string& clave) {
  ErrorSistema e{ado::ObjetoCerrado, "No se pudo leer la clave " + clave + " de " + configuracion::Tabla(),
                 "Configuracion"};
  const ErroresProveedor& errores = db.gCnn->Errors;
  if (errores.Count() > 0) e.descripcion += ": " + errores.Item(errores.Count() - 1).descripcion;
  return e;
}

// The row's first failing step, number 0 when the row was written.
ErrorSistema Grabar(DB_Dll& db, const std::string& Clave, const Variant& Valor, const std::string& ValorAux,
                    bool PoliticaNegocio, const std::string& Grupo, bool RecortarValor) {
  const std::string sql = configuracion::SentenciaEscritura(configuracion::Tabla(), Clave);
  Recordset rs;
  db.AbrirRecordset(sql, rs, db.gCnn.get(), cursor_ado::Dinamico, bloqueo_ado::Optimista, -1, true);
  if (rs.State() != estado_objeto::Abierto) return NoSePudoLeer(db, Clave);
  if (rs.Eof()) {
    if (ErrorSistema e = rs.AddNew(); e.HayError()) {
      db.CierraRecordset(rs);
      return e;
    }
  }
  const std::string valor = RecortarValor ? texto::Recortado(Valor.Texto()) : Valor.Texto();
  rs.Asignar("GRUPO", Variant(Grupo));
  rs.Asignar("CLAVE", Variant(texto::Mayusculas(texto::Recortado(Clave))));
  rs.Asignar("VALOR", Variant(valor));
  rs.Asignar("POLITICANEGOCIO", Variant::Booleano(PoliticaNegocio));
  if (!ValorAux.empty()) rs.Asignar("VALORAUX", Variant(texto::Recortado(ValorAux)));
  // One statement writes the whole row; when it fails nothing is half-written.
  ErrorSistema e = rs.Update();
  if (e.HayError()) rs.CancelUpdate();
  db.CierraRecordset(rs);
  return e;
}

// The value the key holds now, read again from the database.
ErrorSistema Releer(DB_Dll& db, const std::string& Clave, std::string& valor) {
  Recordset rs;
  db.AbrirRecordset(configuracion::SentenciaLectura(configuracion::Tabla(), Clave), rs, nullptr, cursor_ado::SoloAvance,
                    bloqueo_ado::SoloLectura, -1, true);
  if (rs.State() != estado_objeto::Abierto) return NoSePudoLeer(db, Clave);
  valor = rs.Eof() ? std::string() : SinNulo(rs.Valor("VALOR"));
  const bool hayFila = !rs.Eof();
  db.CierraRecordset(rs);
  if (!hayFila) return {errores::ArgumentoInvalido, "La clave " + Clave + " no quedo guardada", "Configuracion"};
  return {};
}

}  // namespace

std::string Cfg(const std::string& Clave, std::string& ValorAux) {
  if (!DB().gOpenFlag) return "";
  return Leer(DB(), Clave, ValorAux, "Cfg");
}

std::string Cfg(const std::string& Clave, const std::string&) { return Cfg(Clave); }

std::string Cfg(const std::string& Clave) {
  std::string aux;
  return Cfg(Clave, aux);
}

std::string CfgPX(const std::string& Clave, std::string& ValorAux) {
  return Leer(DBEstadisticas(), Clave, ValorAux, "CfgPX");
}

std::string CfgPX(const std::string& Clave, const std::string&) { return CfgPX(Clave); }

std::string CfgPX(const std::string& Clave) {
  std::string aux;
  return CfgPX(Clave, aux);
}

void GrabaDfg(const std::string& Clave, const Variant& Valor, const std::string& ValorAux, bool PoliticaNegocio,
              const std::string& Grupo, bool RecortarValor) {
  Grabar(DB(), Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortarValor);
}

ErrorSistema GrabaDfgComprobado(const std::string& Clave, const Variant& Valor, const std::string& ValorAux,
                                bool PoliticaNegocio, const std::string& Grupo, bool RecortarValor) {
  DB_Dll& db = DB();
  if (ErrorSistema e = Grabar(db, Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortarValor); e.HayError())
    return e;
  // A statement can go through without changing the row (a driver that
  // reports no failure for a row it did not find): what counts is what
  // the table holds afterwards.
  const std::string esperado = RecortarValor ? texto::Recortado(Valor.Texto()) : Valor.Texto();
  std::string guardado;
  if (ErrorSistema e = Releer(db, Clave, guardado); e.HayError()) return e;
  if (guardado != esperado)
    return {errores::ArgumentoInvalido,
            "La clave " + texto::Recortado(Clave) + " guarda \"" + guardado + "\" en lugar de \"" + esperado + "\"",
            "Configuracion"};
  return {};
}

void GrabaCfgPX(const std::string& Clave, const Variant& Valor, const std::string& ValorAux, bool PoliticaNegocio,
                const std::string& Grupo, bool RecortarValor) {
  Grabar(DBEstadisticas(), Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortarValor);
}
