// Main of the tests that need no display.
#include <gtest/gtest.h>

#include "CarpetaEstadoPrueba.h"

int main(int argc, char** argv) {
  AislarCarpetaEstado();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
