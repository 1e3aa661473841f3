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
// "DDMMYYYYHHMMSS" + "-" + data-set code + ".TMP", e.g.
// /tmp/08122024153045-VTA.TMP. The code keeps the data sets of one run
// apart however fast they are written: a file that was not delivered stays
// where its message says, not overwritten by the next data set.
std::string RutaTemporalDatos(std::string_view carpeta, const FechaHora& momento, std::string_view codigoDatos);

}  // namespace vorna
