#include "sivlib/Regional.h"

#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace regional {
namespace {

struct Valores {
  char decimal = '.';
  char miles = ',';
  int decimalesMoneda = 2;
};

std::optional<Valores> fijados;

Valores DelEntorno() {
  Valores v;
  if (locale_t loc = newlocale(LC_NUMERIC_MASK | LC_MONETARY_MASK, "", (locale_t)0)) {
    const char* d = nl_langinfo_l(RADIXCHAR, loc);
    const char* m = nl_langinfo_l(THOUSEP, loc);
    if (d && std::strlen(d) == 1) v.decimal = d[0];
    if (m && std::strlen(m) == 1) v.miles = m[0];
    else v.miles = v.decimal == ',' ? '.' : ',';
    const char* fd = nl_langinfo_l(FRAC_DIGITS, loc);
    if (fd && *fd != CHAR_MAX && *fd >= 0 && *fd <= 8) v.decimalesMoneda = *fd;
    freelocale(loc);
  }
  if (const char* s = std::getenv("UT_VORNA_SEPARADORES"); s && std::strlen(s) >= 1) {
    v.decimal = s[0];
    v.miles = std::strlen(s) >= 2 ? s[1] : (v.decimal == ',' ? '.' : ',');
  }
  if (const char* s = std::getenv("UT_VORNA_DECIMALES_MONEDA"); s && *s) {
    v.decimalesMoneda = std::atoi(s);
  }
  return v;
}

const Valores& Actuales() {
  static const Valores entorno = DelEntorno();
  return fijados ? *fijados : entorno;
}

}  // namespace

char SeparadorDecimal() { return Actuales().decimal; }
char SeparadorMiles() { return Actuales().miles; }
int DecimalesMoneda() { return Actuales().decimalesMoneda; }

void NumerosDelProcesoEnC() { setlocale(LC_NUMERIC, "C"); }

void FijarSeparadores(char decimal, char miles) {
  Valores v = Actuales();
  v.decimal = decimal;
  v.miles = miles;
  fijados = v;
}

void FijarDecimalesMoneda(int decimales) {
  Valores v = Actuales();
  v.decimalesMoneda = decimales;
  fijados = v;
}

void Restablecer() { fijados.reset(); }

}  // namespace regional
