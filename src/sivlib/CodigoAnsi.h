#pragma once
// The program keeps text in UTF-8; files meant for Windows tools (the error
// log, the data-set files, command files) are written in Windows-1252.
// A character outside that code page becomes "?"; invalid UTF-8 bytes are
// taken as Windows-1252 bytes already (texts read from ANSI sources).
#include <string>
#include <string_view>

namespace ansi {

std::string DesdeUtf8(std::string_view utf8);
std::string HaciaUtf8(std::string_view cp1252);

}  // namespace ansi
