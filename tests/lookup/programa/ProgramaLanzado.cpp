// A program of the suite as the launcher starts it: it reads its launch
// string (the command-line tail, arguments joined by blanks, as the
// program's start-up takes it) through the launch-string rules and writes
// what it read to "lanzamiento.txt" beside itself, one "key=value" line
// per value, for the test that started it.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/lanzamiento/LineaLanzamiento.h"
#include "sivlib/Entorno.h"

int main(int argc, char** argv) {
  std::string lanzamiento;
  for (int i = 1; i < argc; ++i) lanzamiento += (i > 1 ? " " : "") + std::string(argv[i]);
  using namespace clave_lanzamiento;
  std::string servidor = ValorParametro(lanzamiento, Server, "");
  const std::string base = ValorParametro(lanzamiento, DbName, "");
  const std::string usuario = ValorParametro(lanzamiento, Usuario, "");
  const std::string clave = ValorParametro(lanzamiento, Password, "");
  std::string cadena;
  AplicarMarcaOracle(servidor, cadena, base, usuario, clave);
  const std::string ruta = CarpetaEjecutable() + "lanzamiento.txt";
  const std::string parcial = ruta + ".parcial";
  {
    std::ofstream f(parcial, std::ios::binary);
    f << "servidor=" << NormalizarServidor(servidor) << "\n"
      << "base=" << base << "\n"
      << "usuario=" << usuario << "\n"
      << "clave=" << clave << "\n"
      << "modo=" << ValorParametro(lanzamiento, ParametroAdicional, "") << "\n"
      << "usuarioLogeado=" << ValorParametro(lanzamiento, UsuarioLogeado, "") << "\n"
      << "caja=" << ValorParametro(lanzamiento, Caja, "1") << "\n";
  }
  // Whole or not at all: the test waits for the final name.
  std::rename(parcial.c_str(), ruta.c_str());
  return 0;
}
