#include "sivlib/FechaHora.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "sivlib/Reloj.h"

namespace {

bool Bisiesto(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }

// Days from civil (proleptic Gregorian); 1970-01-01 is 0.
long long DiasDesdeCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilDesdeDias(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = int(yoe + era * 400);
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = int(doy - (153 * mp + 2) / 5 + 1);
  m = int(mp < 10 ? mp + 3 : mp - 9);
  y += m <= 2;
}

const long long kDiaCeroSerial = DiasDesdeCivil(1899, 12, 30);

// Splits "a<sep>b<sep>c" into numbers; every part must be 1+ digits.
bool Numeros(std::string_view s, std::string_view seps, std::vector<int>& out, std::vector<size_t>* largos = nullptr) {
  out.clear();
  size_t i = 0;
  while (true) {
    size_t ini = i;
    long long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      v = v * 10 + (s[i] - '0');
      if (v > 100000) return false;
      ++i;
    }
    if (i == ini) return false;
    out.push_back(int(v));
    if (largos) largos->push_back(i - ini);
    if (i == s.size()) return true;
    if (seps.find(s[i]) == std::string_view::npos) return false;
    ++i;
  }
}

std::string_view SinBlancos(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool LeerHora(std::string_view s, FechaHora& f) {
  std::vector<int> n;
  if (!Numeros(SinBlancos(s), ":", n) || n.size() < 2 || n.size() > 3) return false;
  if (n[0] > 23 || n[1] > 59 || (n.size() == 3 && n[2] > 59)) return false;
  f.hora = n[0];
  f.minuto = n[1];
  f.segundo = n.size() == 3 ? n[2] : 0;
  return true;
}

}  // namespace

bool FechaHora::EsValida(int anio, int mes, int dia) {
  return anio >= 100 && anio <= 9999 && mes >= 1 && mes <= 12 && dia >= 1 && dia <= DiasDelMes(anio, mes);
}

int FechaHora::DiasDelMes(int anio, int mes) {
  static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mes < 1 || mes > 12) return 0;
  return mes == 2 && Bisiesto(anio) ? 29 : dias[mes - 1];
}

FechaHora FechaHora::Ahora() { return reloj().Local(); }

std::optional<FechaHora> FechaHora::DesdeIso(std::string_view s) {
  s = SinBlancos(s);
  std::string_view fecha = s.substr(0, s.find_first_of(" T"));
  std::vector<int> n;
  std::vector<size_t> largos;
  if (!Numeros(fecha, "-", n, &largos) || n.size() != 3 || largos[0] != 4) return std::nullopt;
  if (!EsValida(n[0], n[1], n[2])) return std::nullopt;
  FechaHora f;
  f.anio = n[0];
  f.mes = n[1];
  f.dia = n[2];
  if (fecha.size() < s.size()) {
    std::string_view resto = s.substr(fecha.size() + 1);
    // Fractions of a second are dropped.
    resto = resto.substr(0, resto.find('.'));
    if (!LeerHora(resto, f)) return std::nullopt;
  }
  return f;
}

std::optional<FechaHora> FechaHora::DesdeTexto(std::string_view s) {
  s = SinBlancos(s);
  if (s.size() >= 10 && s[4] == '-') {
    if (auto iso = DesdeIso(s)) return iso;
  }
  size_t corte = s.find(' ');
  std::string_view fecha = s.substr(0, corte);
  std::vector<int> n;
  std::vector<size_t> largos;
  if (!Numeros(fecha, "/-.", n, &largos) || n.size() != 3) return std::nullopt;
  if (largos[0] > 2 || largos[1] > 2 || (largos[2] != 2 && largos[2] != 4)) return std::nullopt;
  int anio = n[2];
  if (largos[2] == 2) anio += anio < 30 ? 2000 : 1900;
  if (!EsValida(anio, n[1], n[0])) return std::nullopt;
  FechaHora f;
  f.anio = anio;
  f.mes = n[1];
  f.dia = n[0];
  if (corte != std::string_view::npos && !LeerHora(s.substr(corte + 1), f)) return std::nullopt;
  return f;
}

std::string FechaHora::SoloFecha() const { return Formato("dd/mm/yyyy"); }

std::string FechaHora::Regional() const { return TieneHora() ? Formato("dd/mm/yyyy hh:nn:ss") : SoloFecha(); }

std::string FechaHora::Iso() const { return TieneHora() ? Formato("yyyy-mm-dd hh:nn:ss") : Formato("yyyy-mm-dd"); }

std::string FechaHora::Formato(std::string_view p) const {
  std::string r;
  char buf[8];
  for (size_t i = 0; i < p.size();) {
    auto es = [&](std::string_view t) { return p.substr(i, t.size()) == t; };
    if (es("yyyy")) {
      std::snprintf(buf, sizeof buf, "%04d", anio);
      r += buf;
      i += 4;
    } else if (es("yy")) {
      std::snprintf(buf, sizeof buf, "%02d", anio % 100);
      r += buf;
      i += 2;
    } else if (es("mm")) {
      std::snprintf(buf, sizeof buf, "%02d", mes);
      r += buf;
      i += 2;
    } else if (es("dd")) {
      std::snprintf(buf, sizeof buf, "%02d", dia);
      r += buf;
      i += 2;
    } else if (es("hh")) {
      std::snprintf(buf, sizeof buf, "%02d", hora);
      r += buf;
      i += 2;
    } else if (es("nn")) {
      std::snprintf(buf, sizeof buf, "%02d", minuto);
      r += buf;
      i += 2;
    } else if (es("ss")) {
      std::snprintf(buf, sizeof buf, "%02d", segundo);
      r += buf;
      i += 2;
    } else r += p[i++];
  }
  return r;
}

double FechaHora::Serial() const {
  const double dias = double(DiasDesdeCivil(anio, mes, dia) - kDiaCeroSerial);
  return dias + (hora * 3600 + minuto * 60 + segundo) / 86400.0;
}

FechaHora FechaHora::DesdeSerial(double serial) {
  double dias = std::floor(serial);
  long long segundos = std::llround((serial - dias) * 86400.0);
  if (segundos >= 86400) {
    dias += 1;
    segundos -= 86400;
  }
  FechaHora f;
  CivilDesdeDias((long long)dias + kDiaCeroSerial, f.anio, f.mes, f.dia);
  f.hora = int(segundos / 3600);
  f.minuto = int(segundos / 60 % 60);
  f.segundo = int(segundos % 60);
  return f;
}

FechaHora FechaHora::MasDias(int dias) const {
  FechaHora f = *this;
  CivilDesdeDias(DiasDesdeCivil(anio, mes, dia) + dias, f.anio, f.mes, f.dia);
  return f;
}
