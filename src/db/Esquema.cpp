// Schema helpers: programs that upgrade their own tables at start check
// for tables and columns and add what is missing.
#include <vector>

#include "db/DB_Dll.h"
#include "db/DialectoConexion.h"
#include "db/Pasos.h"
#include "sivlib/Texto.h"

namespace {

bool Figura(const std::vector<std::string>& nombres, const std::string& buscado) {
  const std::string b = texto::Recortado(buscado);
  for (const std::string& n : nombres)
    if (texto::IgualesSinCaso(texto::Recortado(n), b)) return true;
  return false;
}

Decision PreguntarEsquema(const ErrorSistema& e) {
  return DecisionDeRespuesta(DB().TratamientoErrores(e, std::nullopt, "VerificaCampos"));
}

}  // namespace

bool DB_Dll::ExisteTablaDB(const std::string& Tabla) {
  std::vector<std::string> tablas;
  bool existe = false;
  EjecutarPasos({[&] { return gCnn->EsquemaTablas(tablas); },
                 [&] {
                   existe = Figura(tablas, Tabla);
                   return ErrorSistema{};
                 }},
                PreguntarEsquema);
  return existe;
}

bool DB_Dll::ExisteCampoDB(const std::string& Tabla, const std::string& Campo) {
  // Oracle's column lists are not read: every column is taken as present.
  if (EsProveedorOracle(DB().gProveedor)) return true;
  std::vector<std::string> columnas;
  bool existe = false;
  EjecutarPasos({[&] { return gCnn->EsquemaColumnas(gDBName, Tabla, columnas); },
                 [&] {
                   existe = Figura(columnas, Campo);
                   return ErrorSistema{};
                 }},
                PreguntarEsquema);
  return existe;
}

void DB_Dll::AddField(const std::string& Tabla, const std::string& Campo, const std::string& Tipo, bool PermiteNulos,
                      std::optional<Variant> ValorDefault) {
  // A text default must arrive already quoted: it is pasted as it is.
  const std::string porDefecto = ValorDefault ? " CONSTRAINT DF_" + texto::Recortado(Tabla) + "_" +
                                                    texto::Recortado(Campo) + " DEFAULT (" + ValorDefault->Texto() + ")"
                                              : "";
  EjecutaConsultaSQL("ALTER TABLE dbo." + Tabla + " ADD " + Campo + " " + Tipo +
                     (PermiteNulos ? " Null " : " Not Null ") + porDefecto);
}

bool DB_Dll::VerCampoDB(const std::string& Tabla, const std::string& Campo, bool Agregar, const std::string& Tipo,
                        bool PermiteNulos, std::optional<Variant> ValorDefault) {
  if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
    AddField(Tabla, Campo, Tipo, PermiteNulos, std::move(ValorDefault));
  return true;
}
