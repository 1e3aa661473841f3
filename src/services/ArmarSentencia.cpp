#include "db/DB_Dll.h"
#include "services/ActualizarDatoScript.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

std::vector<ParCampo>& CamposPendientes() {
  static std::vector<ParCampo> campos(1);
  return campos;
}

void AgregarCampo(const std::string& campo, std::string& valor, const std::string& comilla, bool reiniciar) {
  std::vector<ParCampo>& campos = CamposPendientes();
  if (reiniciar) campos.assign(1, ParCampo{});
  else campos.emplace_back();
  // Values never carry apostrophes into the statement: they are dropped
  // (O'Brien is stored as OBrien), also from the caller's own variable.
  valor = QuitarCaracteres(valor, "'");
  ParCampo& par = campos.back();
  par.campo = campo;
  par.valor = texto::IgualesSinCaso(valor, "NULL") ? "Null" : DB_Dll::SQLValue(Variant(valor), comilla).Texto();
}

void AgregarCampo(const std::string& campo, const std::string& valor, const std::string& comilla, bool reiniciar) {
  std::string copia = valor;
  AgregarCampo(campo, copia, comilla, reiniciar);
}

namespace {

std::string Unir(const std::vector<ParCampo>& campos, std::string (*parte)(const ParCampo&)) {
  std::string r;
  for (size_t i = 0; i < campos.size(); ++i) r += (i ? "," : "") + parte(campos[i]);
  return r;
}

}  // namespace

void ArmarSentencia(std::vector<ParCampo>& campos, std::vector<std::string>& sentencias, const std::string& tabla,
                    bool actualizar, std::string& condicion, bool mantenerCampos) {
  std::string sql;
  if (actualizar) {
    const std::string asignaciones = Unir(campos, [](const ParCampo& p) { return p.campo + " = " + p.valor; });
    if (!texto::ContieneSinCaso(condicion, "WHERE")) condicion = " WHERE " + condicion;
    sql = "UPDATE " + tabla + " SET " + asignaciones + " " + condicion;
  } else {
    sql = "INSERT INTO " + tabla + " " + "(" + Unir(campos, [](const ParCampo& p) { return p.campo; }) + ")" +
          " VALUES (" + Unir(campos, [](const ParCampo& p) { return p.valor; }) + ")";
  }
  sentencias.push_back(sql);
  sentencias.emplace_back();
  if (!mantenerCampos) campos.assign(1, ParCampo{});
}

void ArmarSentencia(std::vector<ParCampo>& campos, std::vector<std::string>& sentencias, const std::string& tabla,
                    bool actualizar, const std::string& condicion, bool mantenerCampos) {
  std::string copia = condicion;
  ArmarSentencia(campos, sentencias, tabla, actualizar, copia, mantenerCampos);
}
