#pragma once
// One field of a recordset's current row (ADO's Field): name, value, ADO
// type code and defined size. A value assigned while the recordset is being
// edited is kept apart from the original, so Update can write only what
// changed and find the row by what it held.
#include <string>

#include "db/motor/Motor.h"
#include "sivlib/Variant.h"

class Campo {
 public:
  Campo() = default;
  explicit Campo(const CampoInfo& info) : info_(info) {}

  const std::string& Name() const { return info_.nombre; }
  int Type() const { return info_.tipoAdo; }
  long DefinedSize() const { return info_.tamanoDefinido; }
  // The current value: the assigned one while editing, else the row's.
  const Variant& Value() const { return cambiado_ ? nuevo_ : original_; }
  const Variant& OriginalValue() const { return original_; }
  bool Cambiado() const { return cambiado_; }

  // Used by the recordset: loading a row, assigning during an edit.
  void Cargar(Variant v) {
    original_ = std::move(v);
    cambiado_ = false;
    nuevo_ = Variant();
  }
  void Asignar(Variant v) {
    nuevo_ = std::move(v);
    cambiado_ = true;
  }
  void Descartar() {
    cambiado_ = false;
    nuevo_ = Variant();
  }

 private:
  CampoInfo info_;
  Variant original_;
  Variant nuevo_;
  bool cambiado_ = false;
};
