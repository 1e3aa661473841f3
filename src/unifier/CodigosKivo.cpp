#include "unifier/CodigosKivo.h"

#include <utility>

#include "sivlib/Texto.h"

namespace {

using Par = std::pair<std::string_view, std::string_view>;

// The first pair whose ERP code equals `codigo`, ignoring case.
template <size_t N>
std::string Traducir(const Par (&tabla)[N], std::string_view codigo, std::string_view siNoEsta) {
  for (const auto& [erp, kivo] : tabla)
    if (texto::IgualesSinCaso(codigo, erp)) return std::string(kivo);
  return std::string(siNoEsta);
}

// Two ERP provinces map to "1" and two to "5"; none maps to "9".
constexpr Par kProvincias[] = {
    {"02", "1"},  {"26", "1"},  {"01", "2"},  {"04", "3"},  {"09", "4"},  {"03", "5"},  {"10", "5"},
    {"11", "6"},  {"05", "7"},  {"21", "8"},  {"06", "10"}, {"18", "11"}, {"25", "12"}, {"16", "13"},
    {"19", "14"}, {"15", "15"}, {"20", "16"}, {"13", "17"}, {"14", "18"}, {"12", "19"}, {"24", "20"},
    {"17", "21"}, {"07", "22"}, {"23", "23"}, {"08", "24"},
};

constexpr Par kCondicionesIva[] = {
    {"6", "1"}, {"4", "2"}, {"3", "3"}, {"1", "4"}, {"5", "5"}, {"2", "6"},
};

constexpr Par kAlicuotas[] = {
    {"5", "0008"}, {"21", "0005"}, {"10.5", "0004"}, {"10,5", "0004"}, {"2.5", "0009"}, {"2,5", "0009"}, {"0", "0003"},
};

}  // namespace

std::string ProvinciaSegunKIVO(std::string_view Pcia) { return Traducir(kProvincias, Pcia, ""); }

std::string CondIvaSegunKIVO(std::string_view cond) { return Traducir(kCondicionesIva, cond, ""); }

std::string CodAlicuota(std::string_view AlicIva) { return Traducir(kAlicuotas, AlicIva, "0006"); }
