#include "lookup/arbol/FilasArbol.h"

#include "db/DB_Dll.h"

namespace {

ErrorSistema FaltanColumnas() {
  return {ado::ItemNoEncontrado,
          "Item cannot be found in the collection corresponding to the requested name or ordinal.", "ADODB.Fields"};
}

FilaArbol LeerFila(Recordset& rs, int columnas) {
  FilaArbol fila;
  fila.reserve(size_t(columnas));
  for (long i = 0; i < columnas; ++i) fila.push_back(rs.Fields(i)->Value());
  return fila;
}

}  // namespace

std::vector<FilaArbol> LeerFilasArbol(const std::string& sentencia, int columnas, const Manejador& manejar) {
  std::vector<FilaArbol> filas;
  Recordset rs;
  DB().AbrirRecordset(sentencia, rs, DB().gCnn.get(), cursor_ado::SoloAvance, bloqueo_ado::SoloLectura, -1, true);
  if (rs.State() == estado_objeto::Cerrado) return filas;
  if (rs.FieldCount() < columnas) {
    manejar(FaltanColumnas());
  } else {
    bool seguir = true;
    while (seguir && !rs.Eof()) {
      filas.push_back(LeerFila(rs, columnas));
      seguir = EjecutarPasos({[&] { return rs.MoveNext(); }}, manejar);
    }
  }
  DB().CierraRecordset(rs);
  return filas;
}
