#pragma once
// A run of the tests keeps the program's fallback logs (the user's state
// folder, XDG_STATE_HOME) in a folder of its own under the temporary
// folder, removed when the run ends: no test writes into the home folder
// of whoever runs it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

inline void AislarCarpetaEstado() {
  static std::string carpeta;
  std::error_code ec;
  carpeta = (std::filesystem::temp_directory_path(ec) / ("ut_vorna-estado-" + std::to_string(getpid()))).string();
  std::filesystem::create_directories(carpeta, ec);
  setenv("XDG_STATE_HOME", carpeta.c_str(), 1);
  std::atexit([] {
    std::error_code e;
    std::filesystem::remove_all(carpeta, e);
  });
}
