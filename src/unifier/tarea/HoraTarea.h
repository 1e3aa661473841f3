#pragma once
// The start time of the daily task, "HH:MM".
#include <optional>
#include <string>

namespace tarea {

struct HoraMinuto {
  int hora = 0, minuto = 1;
};

// Hours 0-23 and minutes 0-59, written "H:MM" or "HH:MM" (seconds
// ":SS" accepted and ignored), blanks around allowed. Anything else
// (25:00, ab:cd, 7, 7:5:) is no time.
std::optional<HoraMinuto> LeerHora(const std::string& texto);
inline bool HoraValida(const std::string& texto) { return LeerHora(texto).has_value(); }

}  // namespace tarea
