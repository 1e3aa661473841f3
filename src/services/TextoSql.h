#pragma once
// Values pasted into the SQL texts the services build. The texts are built
// by concatenation, as everywhere in the system, so a value that sits
// between apostrophes must have its own apostrophes doubled: otherwise a
// name like O'Brien would end the literal early and break (or change) the
// statement.
#include <string>
#include <string_view>

// The text with every "'" doubled, ready to stand between two apostrophes.
std::string ComillasDobladas(std::string_view valor);
