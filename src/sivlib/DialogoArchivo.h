#pragma once
// The maker's library, class DialogoArchivo: the file-open dialog, shown
// through the current operator.
#include <string>

class DialogoArchivo {
 public:
  void FijarTitulo(std::string t) { titulo_ = std::move(t); }
  void FijarFiltro(std::string f) { filtro_ = std::move(f); }
  void MostrarAbrir();
  const std::string& NombreArchivo() const { return nombre_; }
  bool Cancelado() const { return cancelado_; }

 private:
  std::string titulo_, filtro_, nombre_;
  bool cancelado_ = true;
};
