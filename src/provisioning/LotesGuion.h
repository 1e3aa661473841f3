#pragma once
// A script cut into batches at its separator lines ("GO" or "/", compared
// with regard to case), as the script runner runs them. Comment lines
// ("--" first) are left out, a UTF-8 byte-order mark read in the ANSI
// code page is dropped, every other non-blank line is kept as read,
// followed by CR LF. The list starts with one empty batch.
#include <string>
#include <vector>

class GuardiaEliminacion;

struct LecturaGuion {
  std::vector<std::string> lotes{std::string()};
  bool rechazada = false;  // the drop guard refused a line: nothing may run
};

// `guardia` decides on the lines that drop tables; the reading stops at
// the first line it refuses. Pending window events run after each line.
LecturaGuion LeerLotes(const std::vector<std::string>& lineas, GuardiaEliminacion& guardia);
