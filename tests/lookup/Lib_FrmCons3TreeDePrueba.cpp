#include "Lib_FrmCons3TreeDePrueba.h"

void ArbolDePrueba::SetUp() {
  ConBaseSqlite::SetUp();
  // Stored codes differ in their blanks from table to table, so that the
  // value returned tells which table answered.
  Ejecutar(
      "CREATE TABLE MA_CUENTAS (CODIGO VARCHAR(20), DESCRIPCION VARCHAR(60));"
      "INSERT INTO MA_CUENTAS VALUES ('1','CAJA Y BANCOS'),('101','CAJA'),('10101','CAJA CHICA'),"
      "('102','BANCOS'),('2','CREDITOS'),('201','O''HIGGINS 1450');"
      "CREATE TABLE TA_CCOSTO (CODIGO VARCHAR(20), DESCRIPCION VARCHAR(60));"
      "INSERT INTO TA_CCOSTO VALUES ('101  ','CENTRO CAJA'),('7','VENTAS');"
      "CREATE TABLE MA_POSICIONES (IDPOSICION VARCHAR(20), DESCRIPCION VARCHAR(60));"
      "INSERT INTO MA_POSICIONES VALUES ('102 ','POSICION BANCOS'),('9','POSICION LIBRE');"
      "CREATE TABLE V_TA_FAMILIAS (IdFamilia VARCHAR(10), Descripcion VARCHAR(60));"
      "INSERT INTO V_TA_FAMILIAS VALUES ('01','ALIMENTOS'),('0101','LACTEOS'),('010101','QUESOS'),"
      "('0102','BEBIDAS'),('02','LIMPIEZA'),('0201','DETERGENTES');"
      "CREATE TABLE SS_V_TA_FAMILIAS (IdFamilia VARCHAR(10), Descripcion VARCHAR(60));"
      "INSERT INTO SS_V_TA_FAMILIAS VALUES ('01','ALIMENTOS'),('02','LIMPIEZA');");
}

std::map<std::string, std::string> PadresDe(const NodosArbol& nodos) {
  std::map<std::string, std::string> padres;
  for (const NodoArbol& n : nodos.Nodos())
    if (n.padre >= 0) padres[n.clave.substr(1)] = nodos[n.padre].clave.substr(1);
  return padres;
}

int ArbolDePrueba::Nodo(const Lib_FrmCons3TreeModelo& m, const std::string& codigo) {
  return m.Nodos().Indice("A" + codigo);
}

std::vector<std::string> ArbolDePrueba::Textos(const NodosArbol& nodos) {
  std::vector<std::string> textos;
  for (const NodoArbol& n : nodos.Nodos()) textos.push_back(n.texto);
  return textos;
}
