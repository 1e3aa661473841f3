#include "lookup/arbol/SentenciaFamilias.h"

#include "sivlib/Texto.h"

bool EsSentenciaFamilias(std::string_view sentencia) { return texto::ContieneSinCaso(sentencia, "v_ta_familias"); }

std::string SentenciaFamilias() {
  return std::string("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, ") +
         "(SELECT     TOP 1 idfamilia FROM v_ta_familias a  " +
         " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) " +
         " ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b ORDER BY IdFamilia";
}
