#pragma once
// The ADO-shaped recordset. Reading streams from the engine's cursor one
// row at a time and never holds the whole result. Opened with a dynamic
// cursor (2) and optimistic lock (3) on a single-table SELECT it can also
// add and change rows: AddNew / assign / Update build the INSERT or the
// UPDATE of the changed fields from the SELECT's table and the row's
// original values. Failures come back as ErrorSistema with ADO's numbers
// (3704 closed, 3705 already open, 3021 BOF/EOF, 3265 unknown field,
// 3219 closing with a pending edit); nothing is thrown.
#include <memory>
#include <string>
#include <vector>

#include "db/Campo.h"
#include "db/motor/Motor.h"
#include "sivlib/ErrorSistema.h"

class Conexion;

namespace cursor_ado {
constexpr long NoEspecificado = -1, SoloAvance = 0, Llaves = 1, Dinamico = 2, Estatico = 3;
}
namespace bloqueo_ado {
constexpr long NoEspecificado = -1, SoloLectura = 1, Pesimista = 2, Optimista = 3, Lotes = 4;
}
namespace edicion_ado {
constexpr long Ninguna = 0, EnCurso = 1, Agregando = 2;
}

class Recordset {
 public:
  Recordset() = default;
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Cursor and lock type used by the next Open when it passes -1.
  long CursorType = cursor_ado::SoloAvance;
  long LockType = bloqueo_ado::SoloLectura;

  // Runs `origen` on `conexion` and positions on the first row. -1 keeps
  // the recordset's own CursorType / LockType.
  ErrorSistema Open(const std::string& origen, Conexion* conexion, long cursorType = cursor_ado::NoEspecificado,
                    long lockType = bloqueo_ado::NoEspecificado, long opciones = -1);
  // Fails with 3219 while an edit is pending (as ADO does); CancelUpdate first.
  ErrorSistema Close();
  long State() const;
  // ADO's BOF / EOF (EOF itself is a macro of the C library, hence Eof).
  bool BOF() const { return bof_; }
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  ErrorSistema MoveNext();
  const std::string& Source() const { return origen_; }

  // Fields of the current row: by name (ignoring case) or by 0-based index;
  // null when there is no such field.
  long FieldCount() const { return static_cast<long>(campos_.size()); }
  Campo* Fields(const std::string& nombre);
  Campo* Fields(long indice);
  const Campo* Fields(const std::string& nombre) const;
  // The value of a field; an empty variant when the field does not exist
  // (`error`, when given, then receives 3265) or there is no current row.
  Variant Valor(const std::string& nombre, ErrorSistema* error = nullptr) const;

  // Editing (dynamic cursor, optimistic lock, single-table SELECT).
  long EditMode() const { return edicion_; }
  ErrorSistema AddNew();
  ErrorSistema Asignar(const std::string& campo, const Variant& valor);
  ErrorSistema Update();
  ErrorSistema CancelUpdate();

  // The engine's cursor handed over by Conexion::Execute. A failure reading
  // the first row (a time-out, a dropped connection) fails the open and
  // leaves the recordset closed, as any other failure of the statement.
  ErrorSistema AbrirSobre(std::unique_ptr<Cursor> cursor, Conexion* conexion, const std::string& origen);

 private:
  friend class Conexion;
  void Soltar();                    // the connection closes under the recordset
  ErrorSistema Leer();              // loads the next row of the cursor
  ErrorSistema Editable() const;    // 3251 unless the recordset may change rows
  std::string TablaOrigen() const;  // the single table of the SELECT
  void Vaciar();

  Conexion* conexion_ = nullptr;
  std::unique_ptr<Cursor> cursor_;
  std::vector<Campo> campos_;
  std::vector<Variant> filaPrevia_;  // the current row while AddNew is pending
  bool bofPrevio_ = true, eofPrevio_ = true;
  std::string origen_;
  bool abierto_ = false, bof_ = true, eof_ = true;
  long edicion_ = edicion_ado::Ninguna;
};
