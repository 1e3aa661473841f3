// Main of the window tests: an offscreen QApplication, chosen here because
// test discovery runs the binary outside CTest's environment.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "CarpetaEstadoPrueba.h"
#include "sivlib/Regional.h"

int main(int argc, char** argv) {
  AislarCarpetaEstado();
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string runtime = "/tmp/ut_vorna-xdg-" + std::to_string(getuid());
  mkdir(runtime.c_str(), 0700);
  chmod(runtime.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // as the program does once Qt took the user's locale
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
