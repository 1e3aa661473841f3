#pragma once
// Copies of the test program "programa_lanzado" under the build folder
// (never in a temporary folder, which may forbid running programs), each
// named like a program of the suite; the folder goes away with the object.
#include <string>

class ProgramasDePrueba {
 public:
  ProgramasDePrueba();
  ~ProgramasDePrueba();
  ProgramasDePrueba(const ProgramasDePrueba&) = delete;
  ProgramasDePrueba& operator=(const ProgramasDePrueba&) = delete;

  // The folder, with its final "/".
  const std::string& Carpeta() const { return carpeta_; }
  // Puts a copy named `nombre` in the folder; returns its path.
  std::string Copiar(const std::string& nombre) const;
  // The "key=value" lines the started copy wrote; empty when none came
  // within a generous time.
  std::string Leido() const;

 private:
  std::string carpeta_;
};
