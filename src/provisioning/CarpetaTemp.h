#pragma once
// The folder of the provisioning's files (the creation script, the script
// runner's error file): TEMP as it stands, or the library's temporary
// folder when TEMP is blank.
#include <string>

// With its final separator.
std::string CarpetaTemp();
