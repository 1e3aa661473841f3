#pragma once
// The lines of a script file as the script runner reads them: a line ends
// at a CR or at a CR LF pair, and a line feed on its own belongs to the
// line. A line written with an extra CR before its CR LF is therefore
// followed by an empty line. The last line needs no line end.
#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> LineasGuion(std::string_view texto);
