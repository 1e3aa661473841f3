#include "app/IniciarSesion.h"

#include "app/LineaLanzamiento.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {
std::string& Cola() {
  static std::string c;
  return c;
}
ValoresLanzamiento& Ultimo() {
  static ValoresLanzamiento v;
  return v;
}
}  // namespace

void FijarLineaComandos(const std::string& cola) { Cola() = cola; }
const std::string& LineaComandos() { return Cola(); }
const ValoresLanzamiento& UltimoLanzamiento() { return Ultimo(); }

void IniciarSesion(bool usarArchivoConexion, const std::string& textoLanzamiento, std::string& cadenaConexion,
                   int /*ubicacionCursor*/) {
  using namespace clave_lanzamiento;
  gCarpetaAplicacion = ConBarraFinal(CarpetaEjecutable());
  gArchivoAyuda = gCarpetaAplicacion + "htmlhelp/omranetplus.chm";
  gColorLetra = 0;
  gColorFondo = 0xFFFFFF;

  std::string lanzamiento = textoLanzamiento.empty() ? LineaComandos() : textoLanzamiento;
  if (texto::Recortado(lanzamiento).empty() && usarArchivoConexion) lanzamiento = LanzamientoDesdeArchivo();

  const std::string completa = EstacionCompleta();
  gEstacion = EstacionRecortada(completa);
  gBarrasPlanas = LeerBarrasPlanas(gEstacion);

  gParametroAdicional = ValorParametro(lanzamiento, ParametroAdicional, "");
  gMenu = ValorParametro(lanzamiento, Menu, "");
  std::string servidor = ValorParametro(lanzamiento, Server, "");
  const std::string base = ValorParametro(lanzamiento, DbName, "");
  const std::string usuario = ValorParametro(lanzamiento, Usuario, "");
  const std::string clave = ValorParametro(lanzamiento, Password, "");
  gUsuarioLogeado = ValorParametro(lanzamiento, UsuarioLogeado, "");
  gCaja = ValorParametro(lanzamiento, Caja, "1");

  AplicarMarcaOracle(servidor, cadenaConexion, base, usuario, clave);
  Ultimo() = {NormalizarServidor(servidor), base, usuario, clave};
}
