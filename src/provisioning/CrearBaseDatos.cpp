#include "provisioning/CrearBaseDatos.h"

#include <cstdio>
#include <memory>

#include "app/lanzamiento/LineaLanzamiento.h"
#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/TratamientoErrores.h"
#include "provisioning/ArchivoPrivado.h"
#include "provisioning/CarpetaTemp.h"
#include "provisioning/Ejecutar.h"
#include "provisioning/FalloArchivo.h"
#include "provisioning/GuionCreacion.h"
#include "services/Archivos.h"
#include "sivlib/CarpetasPrograma.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {

Decision Preguntar(const ErrorSistema& e) { return DecisionDeRespuesta(TratamientoErroresGeneral(e)); }

// The script holds the login's password: private to its owner.
ErrorSistema EscribirGuion(const std::string& ruta, const std::string& contenido) {
  ErrorSistema error;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(CrearPrivado(ruta, error), &std::fclose);
  if (!f) return error;
  const std::string ansi = ansi::DesdeUtf8(contenido);
  if (std::fwrite(ansi.data(), 1, ansi.size(), f.get()) != ansi.size() || std::fclose(f.release()) != 0)
    return FalloArchivo(errno, ruta);
  return {};
}

// The statistics object closed and pointed at the new database.
void Reconfigurar(DB_Dll& px, const std::string& servidor, const std::string& usuario, const std::string& clave,
                  const std::string& base) {
  // Closing a connection that is not open is no failure here.
  px.gCnn->Close();
  px.gOpenFlag = false;
  px.gUsuario = usuario;
  px.gDBName = base;
  px.gUserPassWord = clave;
  px.gServidor = NormalizarServidor(servidor);
}

}  // namespace

void CrearBaseDatos(const std::string& Servidor, const std::string& Usuario, const std::string& Clave,
                    const std::string& BaseDatos) {
  const std::string esquema = ArchivoDeLectura(gCarpetaAplicacion, kEsquemaEstadisticas);
  if (!ExisteArchivo(esquema)) {
    operador().Mensaje("No se encuentra el archivo " + esquema + ", Por favor, ingrese la ruta donde se encuentra! ",
                       botones::OK, "");
    return;
  }
  const std::string base = texto::Recortado(BaseDatos);
  const std::string guion = ArchivoTempPropio(CarpetaTemp(), kArchivoCreacion);
  if (!EjecutarPasos({[&] { return EscribirGuion(guion, GuionCreacion(Usuario, Clave, base)); }}, Preguntar)) return;
  Ejecutar(guion);

  DB_Dll& px = DBEstadisticas();
  Reconfigurar(px, Servidor, Usuario, Clave, base);
  px.OpenServerADODB(false, 3, "", false, true);
  if (!px.gOpenFlag) return;
  px.gCnn->FijarDefaultDatabase(base);
  Ejecutar(esquema);
}
