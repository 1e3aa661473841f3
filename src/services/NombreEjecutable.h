#pragma once
// The running program's own name, as the suite's logs record it (the
// executable's file name without folder and extension: "ut_vorna").
#include <string>

std::string NombreEjecutable();
