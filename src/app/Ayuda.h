#pragma once
#include <string>
// Text printed by `ut_vorna --help`.
std::string TextoAyuda();
