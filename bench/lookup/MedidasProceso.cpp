#include "MedidasProceso.h"

#include <unistd.h>

#include <fstream>

double Segundos(std::chrono::steady_clock::time_point desde) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - desde).count();
}

size_t MemoriaResidente() {
  std::ifstream f("/proc/self/statm");
  size_t total = 0, residente = 0;
  f >> total >> residente;
  return residente * size_t(sysconf(_SC_PAGESIZE));
}
