#include "db/Pasos.h"

#include <vector>

#include "sivlib/Operador.h"

Decision DecisionDeRespuesta(int codigo) {
  if (codigo == respuesta::Reintentar) return Decision::Repetir;
  if (codigo == respuesta::Ignorar) return Decision::Continuar;
  return Decision::Salir;
}

bool EjecutarPasos(std::initializer_list<Paso> pasos, const Manejador& manejar) {
  const std::vector<Paso> lista(pasos);
  for (size_t i = 0; i < lista.size();) {
    const ErrorSistema e = lista[i]();
    if (!e.HayError()) {
      ++i;
      continue;
    }
    switch (manejar(e)) {
      case Decision::Repetir: break;
      case Decision::Continuar: ++i; break;
      case Decision::Salir: return false;
    }
  }
  return true;
}

Decision PreguntarLectura(const ErrorSistema& e) {
  return DecisionDeRespuesta(
      operador().Mensaje(e.descripcion, botones::AbortarReintentarIgnorar + botones::Critico, "Aviso al Operador"));
}
