#include "lookup/MenuExes.h"

#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/TratamientoErrores.h"
#include "lookup/IniciarPrograma.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {
constexpr size_t kLargoShell = 6;  // "SHELL:"
}

std::string LanzamientoMenuExes(const std::string& Parametro) {
  const DB_Dll& db = DB();
  return " ; @server=" + db.gServidor + "; @dbname=" + db.gDBName + "; @usuario=" + db.gUsuario +
         "; @Password=" + db.gUserPassWord + "; @ParametroAdicional=" + Parametro +
         "; ombu@ ; @UsuarioLogeado = " + gUsuarioLogeado + "; @Caja=" + gCaja + ";";
}

std::string ProgramaMenuExes(const std::string& Opcion) {
  const auto sinShell = [&] { return Opcion.size() > kLargoShell ? Opcion.substr(kLargoShell) : std::string(); };
  // "\" of the Windows paths, "/" of this platform's.
  if (Opcion.find_first_of("\\/") != std::string::npos) return sinShell();
  const std::string carpeta = ConBarraFinal(CarpetaAplicacion());
  return carpeta + (texto::ContieneSinCaso(Opcion, "SHELL") ? sinShell() : Opcion);
}

void MenuExes(const std::string& Opcion, const std::string& Parametro, int32_t& IdProceso) {
  IdProceso = 0;
  const Manejador manejar = [](const ErrorSistema& e) {
    return DecisionDeRespuesta(TratamientoErroresGeneral(e, std::nullopt, std::string("MenuExes")));
  };
  EjecutarPasos({[&] { return IniciarSinEsperar(ProgramaMenuExes(Opcion), LanzamientoMenuExes(Parametro), IdProceso); },
                 [&] {
                   if (IdProceso == 0)
                     operador().Mensaje("Opcion no Implementada!\rComuniquese con su proveedor de sistemas",
                                        botones::Critico, "Atención");
                   return ErrorSistema{};
                 }},
                manejar);
}
