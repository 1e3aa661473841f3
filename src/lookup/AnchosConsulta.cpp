#include "lookup/AnchosConsulta.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sivlib/CodigoAnsi.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/Variant.h"

namespace anchos {

namespace {

constexpr long kErrorAccesoArchivo = 75;  // the platform's path/file access error

std::string LineaDeTextos(const std::string& tabla, const std::string& anchos) {
  return ansi::DesdeUtf8("\"" + tabla + "\",\"" + anchos + "\"") + "\r\n";
}

// One field of a comma-separated line: quoted (up to the closing quote) or
// bare (up to the comma, trimmed). `p` moves past the field and its comma.
std::optional<std::string> Campo(std::string_view linea, size_t& p) {
  while (p < linea.size() && linea[p] == ' ') ++p;
  if (p >= linea.size()) return std::nullopt;
  std::string valor;
  if (linea[p] == '"') {
    const size_t cierre = linea.find('"', p + 1);
    if (cierre == std::string_view::npos) return std::nullopt;
    valor = std::string(linea.substr(p + 1, cierre - p - 1));
    p = cierre + 1;
    while (p < linea.size() && linea[p] == ' ') ++p;
  } else {
    const size_t coma = std::min(linea.find(',', p), linea.size());
    valor = texto::Recortado(linea.substr(p, coma - p));
    p = coma;
  }
  if (p < linea.size() && linea[p] == ',') ++p;
  return valor;
}

// The file's lines without their line ends, as stored.
std::optional<std::vector<std::string>> Lineas(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  if (!f) return std::nullopt;
  const std::string todo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  std::vector<std::string> lineas;
  size_t p = 0;
  while (p < todo.size()) {
    size_t fin = todo.find('\n', p);
    if (fin == std::string::npos) fin = todo.size();
    std::string linea = todo.substr(p, fin - p);
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    lineas.push_back(std::move(linea));
    p = fin + 1;
  }
  return lineas;
}

ErrorSistema ErrorAlGrabar(const std::string& ruta) {
  return {kErrorAccesoArchivo, "No se pudo grabar el archivo " + ruta, "Lib_FrmCons3"};
}

}  // namespace

std::string Ruta(const std::string& carpeta) { return ConBarraFinal(carpeta) + kArchivo; }

std::string Linea(const std::string& tabla, const std::vector<double>& anchos) {
  std::string texto;
  for (double a : anchos) texto += TextoDeNumero(a, regional::SeparadorDecimal()) + "|";
  return LineaDeTextos(tabla, texto);
}

std::optional<LineaAnchos> LeerLinea(std::string_view linea) {
  const std::string utf8 = ansi::HaciaUtf8(linea);
  size_t p = 0;
  auto tabla = Campo(utf8, p);
  if (!tabla) return std::nullopt;
  auto anchos = Campo(utf8, p);
  if (!anchos) return std::nullopt;
  return LineaAnchos{*tabla, *anchos};
}

std::optional<ContenidoAnchos> Leer(const std::string& ruta) {
  const auto lineas = Lineas(ruta);
  if (!lineas) return std::nullopt;
  ContenidoAnchos c;
  for (const std::string& l : *lineas) {
    if (texto::Recortado(l).empty()) continue;
    auto leida = LeerLinea(l);
    if (!leida) {
      c.completo = false;
      break;
    }
    c.lineas.push_back(std::move(*leida));
  }
  return c;
}

AnchosLeidos Anchos(const std::string& texto, size_t columnas) {
  AnchosLeidos r;
  std::string_view resto = texto;
  for (size_t k = 0; k < columnas; ++k) {
    const size_t barra = resto.find('|');
    if (barra == std::string_view::npos) {
      r.completo = false;
      break;
    }
    r.anchos.push_back(ValorNumerico(resto.substr(0, barra)));
    resto.remove_prefix(barra + 1);
  }
  return r;
}

ErrorSistema Grabar(const std::string& carpeta, const std::string& tabla, const std::vector<double>& anchos) {
  const std::string ruta = Ruta(carpeta);
  const std::string temporal = ConBarraFinal(carpeta) + kTemporal;
  std::string contenido;
  if (const auto lineas = Lineas(ruta)) {
    for (const std::string& l : *lineas) {
      if (texto::Recortado(l).empty()) continue;
      const auto leida = LeerLinea(l);
      // A line that does not read is no table's: it is kept as it stands.
      if (!leida) contenido += l + "\r\n";
      else if (!texto::IgualesSinCaso(leida->tabla, tabla)) contenido += LineaDeTextos(leida->tabla, leida->anchos);
    }
  }
  contenido += Linea(tabla, anchos);
  {
    std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
    f.write(contenido.data(), std::streamsize(contenido.size()));
    f.close();
    if (!f) {
      std::error_code ignorado;
      if (std::filesystem::is_regular_file(temporal, ignorado)) std::filesystem::remove(temporal, ignorado);
      return ErrorAlGrabar(temporal);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporal, ruta, ec);  // replaces the old file in one step
  if (ec) {
    std::filesystem::remove(temporal, ec);
    return ErrorAlGrabar(ruta);
  }
  return {};
}

}  // namespace anchos
