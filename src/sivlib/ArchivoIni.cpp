#include "sivlib/ArchivoIni.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "sivlib/Aplicacion.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

bool EsArchivo(const std::string& ruta) {
  struct stat st {};
  return stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool EsUtf8Valido(const std::string& s) { return ansi::HaciaUtf8(ansi::DesdeUtf8(s)) == s || s.find('\xEF') == 0; }

std::string SinBlancos(std::string s) {
  size_t i = 0, n = s.size();
  while (i < n && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) ++i;
  while (n > i && (s[n - 1] == ' ' || s[n - 1] == '\t' || s[n - 1] == '\r')) --n;
  return s.substr(i, n - i);
}

}  // namespace

std::string UbicarArchivoIni(const std::string& archivo) {
  if (archivo.find('/') != std::string::npos || archivo.find('\\') != std::string::npos) return archivo;
  const std::string enApp = ConBarraFinal(CarpetaAplicacion()) + archivo;
  if (EsArchivo(enApp)) return enApp;
  return archivo;
}

std::string LeerValorIni(const std::string& archivo, const std::string& seccion, const std::string& clave,
                         const std::string& predeterminado) {
  const std::string ruta = UbicarArchivoIni(archivo);
  if (!EsArchivo(ruta)) return predeterminado;
  std::ifstream f(ruta, std::ios::binary);
  if (!f) return predeterminado;
  std::stringstream ss;
  ss << f.rdbuf();
  std::string contenido = ss.str();
  if (contenido.rfind("\xEF\xBB\xBF", 0) == 0) contenido.erase(0, 3);
  else if (!EsUtf8Valido(contenido)) contenido = ansi::HaciaUtf8(contenido);

  std::istringstream lineas(contenido);
  std::string linea;
  bool enSeccion = false;
  while (std::getline(lineas, linea)) {
    linea = SinBlancos(linea);
    if (linea.empty() || linea[0] == ';' || linea[0] == '#') continue;
    if (linea[0] == '[') {
      const size_t cierre = linea.find(']');
      if (cierre == std::string::npos) {
        enSeccion = false;
        continue;
      }
      enSeccion = texto::IgualesSinCaso(SinBlancos(linea.substr(1, cierre - 1)), texto::Recortado(seccion));
      continue;
    }
    if (!enSeccion) continue;
    const size_t igual = linea.find('=');
    if (igual == std::string::npos) continue;
    if (!texto::IgualesSinCaso(SinBlancos(linea.substr(0, igual)), texto::Recortado(clave))) continue;
    std::string valor = SinBlancos(linea.substr(igual + 1));
    if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"') valor = valor.substr(1, valor.size() - 2);
    return valor;
  }
  return predeterminado;
}
