#pragma once
// An environment variable set (or unset, with a null value) for the
// object's lifetime; its previous state comes back afterwards.
#include <cstdlib>
#include <string>

class VariableEntorno {
 public:
  VariableEntorno(const char* nombre, const char* valor) : nombre_(nombre) {
    const char* previo = std::getenv(nombre);
    habia_ = previo != nullptr;
    if (habia_) previo_ = previo;
    if (valor) setenv(nombre, valor, 1);
    else unsetenv(nombre);
  }
  VariableEntorno(const char* nombre, const std::string& valor) : VariableEntorno(nombre, valor.c_str()) {}
  ~VariableEntorno() {
    if (habia_) setenv(nombre_.c_str(), previo_.c_str(), 1);
    else unsetenv(nombre_.c_str());
  }
  VariableEntorno(const VariableEntorno&) = delete;
  VariableEntorno& operator=(const VariableEntorno&) = delete;

 private:
  std::string nombre_;
  bool habia_ = false;
  std::string previo_;
};
