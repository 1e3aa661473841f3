#pragma once
// The regional day/month/year shape of a date text: "d/m/yyyy" or
// "dd/mm/yy", optionally followed by " h:mm" or " h:mm:ss". Anything else
// (codes, ISO texts, numbers) is no date for the translation.
#include <string>

namespace dialecto_sqlite {

bool TieneFormaDeFecha(const std::string& s);

}  // namespace dialecto_sqlite
