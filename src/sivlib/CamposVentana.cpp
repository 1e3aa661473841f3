#include "sivlib/CamposVentana.h"

#include "sivlib/Regional.h"
#include "sivlib/Texto.h"

int IndiceCampo(std::string_view nombre, ModeloVentana& ventana, std::string_view familia) {
  for (auto* c : ventana.Familia(familia))
    if (texto::IgualesSinCaso(texto::Recortado(c->tag), texto::Recortado(nombre))) return c->indice;
  return -1;
}

bool EsTeclaAvance(int codigoTecla) { return codigoTecla == 13 || codigoTecla == 40; }

int Avanzar(int actual, int cantidad) {
  if (cantidad <= 0) return -1;
  return (actual + 1) % cantidad;
}

char FiltrarTecla(const ControlVentana& caja, char c) {
  if ((unsigned char)c < 32) return c;
  const bool digito = c >= '0' && c <= '9';
  const std::string& tipo = caja.tipoDato;
  if (texto::IgualesSinCaso(tipo, "FECHA")) return digito || c == '/' ? c : 0;
  if (texto::IgualesSinCaso(tipo, "FMTHORA")) return digito || c == ':' ? c : 0;
  if (texto::IgualesSinCaso(tipo, "ENTERO")) return digito || c == '-' ? c : 0;
  if (texto::IgualesSinCaso(tipo, "NUMERO"))
    return digito || c == '-' || c == '.' || c == regional::SeparadorDecimal() ? c : 0;
  return c;
}
