#include "lookup/BaseSecundaria.h"

#include "db/DB_Dll.h"

DB_Dll& BaseSecundariaConsultas() {
  static DB_Dll base;
  if (!base.gOpenFlag) {
    const DB_Dll& compartida = DB();
    base.gServidor = compartida.gServidor;
    base.gDBName = compartida.gDBName;
    base.gUsuario = compartida.gUsuario;
    base.gUserPassWord = compartida.gUserPassWord;
    base.gProveedor = compartida.gProveedor;
    base.gExtended = compartida.gExtended;
    base.OpenServerADODB(false, 3, compartida.gConnString, false, true);
  }
  return base;
}
