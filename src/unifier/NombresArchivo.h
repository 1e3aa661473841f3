#pragma once
// Names of the data-set files: the delivered file and the temporary file
// each data set is first written to.
#include <string>
#include <string_view>

#include "sivlib/FechaHora.h"

namespace vorna {

// "610013001" + "-" + data-set code + "-" + package number + ".csv",
// e.g. 610013001-VTA-15.csv.
std::string NombreArchivoDatos(std::string_view codigoDatos, std::string_view nroPaquete);

// Folder of the temporary files: the TEMP variable, then TMP, TMPDIR and
// /tmp (the platform's temporary folder), with its final separator.
std::string CarpetaTemporalDatos();

// Temporary file: the folder with its final separator + the moment as
// "DDMMYYYYHHMMSS" + ".TMP", e.g. /tmp/08122024153045.TMP. Two data sets
// written within the same second share the name; each one is delivered
// before the next is created.
std::string RutaTemporalDatos(std::string_view carpeta, const FechaHora& momento);

}  // namespace vorna
