#include "app/lanzamiento/LineaLanzamiento.h"

#include "sivlib/ArchivoIni.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

std::string ValorParametro(const std::string& lanzamiento, const std::string& clave,
                           const std::string& predeterminado) {
  const size_t p = texto::BuscarSinCaso(lanzamiento, clave);
  if (p == std::string::npos) return predeterminado;
  const size_t inicio = p + clave.size();
  const size_t fin = lanzamiento.find(';', p);
  std::string bruto;
  if (fin != std::string::npos) {
    bruto = lanzamiento.substr(inicio, fin - inicio);
  } else if (texto::IgualesSinCaso(clave, clave_lanzamiento::ParametroAdicional)) {
    bruto = lanzamiento.substr(inicio, 19);
  }
  return texto::Recortado(QuitarCaracteres(bruto, "="));
}

std::string NormalizarServidor(const std::string& servidor) {
  std::string s = servidor;
  if (const size_t barra = s.find('/'); barra != std::string::npos) s = s.substr(barra + 1);
  if (const size_t dos = s.find(':'); dos != std::string::npos) s = s.substr(0, dos);
  return s;
}

bool AplicarMarcaOracle(std::string& servidor, std::string& cadenaConexion, const std::string& baseDatos,
                        const std::string& usuario, const std::string& clave) {
  if (servidor.empty() || servidor[0] != '#') return false;
  servidor.erase(0, 1);
  if (cadenaConexion.empty())
    cadenaConexion =
        "Provider=OraOLEDB.Oracle.1;Data Source=" + baseDatos + ";User Id=" + usuario + ";Password=" + clave + ";";
  return true;
}

std::string EstacionCompleta() { return texto::Mayusculas(NombreEquipo()) + "|" + texto::Mayusculas(UsuarioSistema()); }

std::string EstacionRecortada(const std::string& completa) {
  const std::string r = texto::Recortado(completa);
  return r.size() > 50 ? r.substr(0, 50) : completa;
}

int LeerBarrasPlanas(const std::string& estacion) {
  return int(Val(LeerValorIni(kArchivoConfiguracion, estacion, "FlatToolbars", "1")));
}

std::string LanzamientoDesdeArchivo() {
  const std::string seccion = EstacionCompleta() + "BaseDeDatos";
  auto leer = [&](const char* clave, const std::string& predeterminado) {
    return LeerValorIni(kArchivoConfiguracion, seccion, clave, predeterminado);
  };
  const std::string servidor = QuitarCaracteres(leer("Servidor", ""), "|");
  const std::string base = QuitarCaracteres(leer("DbName", ""), "|");
  const std::string usuario = QuitarCaracteres(Descifrar(leer("Usuario", Cifrar("Praxel"))), "|");
  const std::string clave = QuitarCaracteres(Descifrar(leer("UserPassWord", Cifrar("trivane"))), "|");
  return "@server=" + servidor + "; @dbname= " + base + "; @usuario= " + usuario + "; @Password= " + clave +
         "; @ParametroAdicional=; @Caja=1;ombu@";
}
