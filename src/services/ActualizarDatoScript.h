#pragma once
// Changes that must land together: INSERT / UPDATE statements built from
// column/value pairs and sent to the main connection as one batch inside a
// transaction, committed only when the connection reports no error;
// otherwise rolled back, recorded in AUX_ERR and told to the operator.
#include <cstdint>
#include <string>
#include <vector>

struct ParCampo {
  std::string campo;
  std::string valor;  // SQL literal text
};

// The process-wide pending pair list; it always holds at least one slot.
std::vector<ParCampo>& CamposPendientes();

// Adds a pair to the pending list (with `reiniciar`, the list becomes a
// single fresh slot first). Every "'" is removed from the value and the
// caller's variable receives the cleaned value; "NULL" (any case) becomes
// Null, anything else SQLValue(value, comilla).
void AgregarCampo(const std::string& campo, std::string& valor, const std::string& comilla = "'",
                  bool reiniciar = false);
// The same for a value the caller does not keep.
void AgregarCampo(const std::string& campo, const std::string& valor, const std::string& comilla = "'",
                  bool reiniciar = false);

// Turns the pairs into one statement appended to `sentencias` (followed by
// one empty entry): an UPDATE (the condition gets " WHERE " in front unless
// it holds one; the caller's variable changes) or an INSERT. Unless
// `mantenerCampos`, the pending list is reset to one fresh slot.
void ArmarSentencia(std::vector<ParCampo>& campos, std::vector<std::string>& sentencias, const std::string& tabla,
                    bool actualizar, std::string& condicion, bool mantenerCampos = false);
void ArmarSentencia(std::vector<ParCampo>& campos, std::vector<std::string>& sentencias, const std::string& tabla,
                    bool actualizar, const std::string& condicion = {}, bool mantenerCampos = false);

// Runs the non-blank statements as one transaction on the main connection.
// `fallo` and `codigo` (native code of the first error) tell the outcome;
// `script` receives the batch sent, `mensaje` the error lines. A duplicate
// key (2627) with `aceptaDuplicado`, or a relation failure (547) with
// `aceptaRelacion`, is still rolled back and recorded, but with an empty
// description and without telling the operator; `mensaje` then holds the
// first error's description.
void GActualizarDatoScript(const std::vector<std::string>& sentencias, bool& fallo, int32_t& codigo,
                           bool aceptaDuplicado, bool aceptaRelacion, std::string& script, std::string& mensaje,
                           bool mostrarMensaje);

// Writes one AUX_ERR row for a failed batch (an empty process name becomes
// the executable's; the caller's variable receives it). Failures are
// skipped: a failed record is simply missing.
void RegistrarErrorSql(const std::string& sql, std::string& proceso, int32_t numero, const std::string& descripcion);
void RegistrarErrorSql(const std::string& sql, const std::string& proceso, int32_t numero,
                       const std::string& descripcion);

namespace actualizar_dato {
constexpr int32_t kClaveDuplicada = 2627, kConflictoRelacion = 547;
// The batch text: "BEGIN TRANSACTION " CR CR, then CR + each non-blank
// statement, then CR; empty when every statement is blank.
std::string ArmarScript(const std::vector<std::string>& sentencias);
}  // namespace actualizar_dato
