#pragma once
// Test helpers: a fresh folder removed at the end of the test, file
// reading/writing, and the scripted operator installed for the test.
#include <memory>
#include <string>

#include "sivlib/OperadorGuionado.h"

class CarpetaPrueba {
 public:
  // In the temporary folder.
  CarpetaPrueba();
  // In `dentroDe` (created when missing).
  explicit CarpetaPrueba(const std::string& dentroDe);
  ~CarpetaPrueba();
  CarpetaPrueba(const CarpetaPrueba&) = delete;
  CarpetaPrueba& operator=(const CarpetaPrueba&) = delete;
  // The folder, with its final "/".
  const std::string& Ruta() const { return ruta_; }
  std::string operator/(const std::string& nombre) const { return ruta_ + nombre; }

 private:
  std::string ruta_;
};

// A fresh folder for the files a test runs (copies of programs, stand-in
// commands): under the build folder, beside the test binary, because the
// temporary folder may be mounted without the right to run programs.
class CarpetaProgramas : public CarpetaPrueba {
 public:
  CarpetaProgramas();
};

// The process's working folder is `carpeta` for the object's lifetime.
class EnCarpeta {
 public:
  explicit EnCarpeta(const std::string& carpeta);
  ~EnCarpeta();
  EnCarpeta(const EnCarpeta&) = delete;
  EnCarpeta& operator=(const EnCarpeta&) = delete;

 private:
  std::string previa_;
};

std::string LeerArchivo(const std::string& ruta);  // bytes as stored
void EscribirArchivo(const std::string& ruta, const std::string& bytes);
bool Existe(const std::string& ruta);

// Installs a scripted operator for the lifetime of the object and puts the
// previous one back afterwards.
class OperadorDePrueba {
 public:
  OperadorDePrueba();
  ~OperadorDePrueba();
  OperadorGuionado& operator*() { return *op_; }
  OperadorGuionado* operator->() { return op_.get(); }

 private:
  std::shared_ptr<OperadorGuionado> op_;
};
