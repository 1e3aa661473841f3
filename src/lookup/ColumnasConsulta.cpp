#include "lookup/ColumnasConsulta.h"

#include "db/Campo.h"
#include "services/Configuracion.h"
#include "sivlib/Texto.h"

namespace columnas {

namespace {

constexpr int kLetrasNumero = 12;
constexpr int kTipoMoneda = 6, kTipoNumerico = 131;

// 1 to 8 for "PRECIO1" to "PRECIO8" (any case), else 0.
int ClasePrecio(const std::string& campo) {
  if (campo.size() != 7 || !texto::EmpiezaSinCaso(campo, "PRECIO")) return 0;
  const char n = campo[6];
  return n >= '1' && n <= '8' ? n - '0' : 0;
}

}  // namespace

bool DeArticulos(const std::string& sql) {
  return texto::ContieneSinCaso(sql, "V_MA_ARTICULOS") || texto::ContieneSinCaso(sql, "STK_MA_ARTICULOS");
}

int Letras(const Campo& campo, bool articulos, const std::string& ValoresDefault) {
  long w = campo.DefinedSize();
  if (campo.Type() == kTipoMoneda || campo.Type() == kTipoNumerico) w = kLetrasNumero;
  if (w <= 0) w = kLetrasSinTamano;
  if (w >= kLetrasMaximas) w = kLetrasMaximas;
  if (!articulos && texto::IgualesSinCaso(ValoresDefault, "@10")) w += 10;
  return int(w);
}

std::string Titulo(const std::string& campo, bool articulos) {
  const int clase = articulos ? ClasePrecio(campo) : 0;
  return clase ? Cfg("NOM_PCLASE" + texto::Entero(clase)) : campo;
}

ColumnaConsulta DeCampo(const Campo& campo, bool articulos, const std::string& ValoresDefault,
                        const std::function<double(int)>& anchoLetras) {
  return {campo.Name(), Titulo(campo.Name(), articulos), anchoLetras(Letras(campo, articulos, ValoresDefault))};
}

}  // namespace columnas
