#pragma once
// Copies of the test program "programa_lanzado", each named like a program
// of the suite, in a folder of programs under the build folder
// (CarpetaProgramas); the folder goes away with the object.
#include <string>

#include "support/CarpetaPrueba.h"

class ProgramasDePrueba {
 public:
  // The folder, with its final "/".
  const std::string& Carpeta() const { return carpeta_.Ruta(); }
  // Puts a copy named `nombre` in the folder; returns its path.
  std::string Copiar(const std::string& nombre) const;
  // The "key=value" lines the started copy wrote; empty when none came
  // within a generous time.
  std::string Leido() const;

 private:
  CarpetaProgramas carpeta_;
};
