#pragma once
// The operator of the tests: answers are queued in advance and every box
// shown is recorded. When the queue runs dry the box is answered as in the
// unattended run, so a test never hangs.
#include <deque>
#include <string>
#include <vector>

#include "sivlib/Operador.h"

class OperadorGuionado : public Operador {
 public:
  struct Mostrado {
    std::string clase;  // "Mensaje", "Entrada", "Carpeta", "Fecha", "Archivo"
    std::string texto;  // message, prompt or title
    std::string titulo;
    int estilo = 0;         // message-box style
    std::string respuesta;  // what was answered (code as text for boxes)
  };

  // Queue an answer code for the next message box.
  void ResponderMensaje(int codigo) { respuestas_.push_back(std::to_string(codigo)); }
  // Queue the text answered by the next input box, chooser or picker ("" = cancel).
  void ResponderTexto(std::string t) { respuestas_.push_back(std::move(t)); }

  const std::vector<Mostrado>& Mostrados() const { return mostrados_; }
  std::vector<Mostrado> Mensajes() const;  // only message boxes
  int Eventos() const { return eventos_; }
  void Limpiar() {
    mostrados_.clear();
    respuestas_.clear();
    eventos_ = 0;
  }

  int Mensaje(const std::string& texto, int estilo, const std::string& titulo) override;
  std::string Entrada(const std::string& indicacion, const std::string& titulo, const std::string& inicial) override;
  std::string ElegirCarpeta(const std::string& titulo, const std::string& inicial) override;
  std::string ElegirFecha(const std::string& inicial) override;
  std::string ElegirArchivo(const std::string& titulo, const std::string& filtro) override;
  void ProcesarEventos() override { ++eventos_; }

 private:
  std::string Siguiente(const std::string& siVacio);
  std::deque<std::string> respuestas_;
  std::vector<Mostrado> mostrados_;
  int eventos_ = 0;
};
