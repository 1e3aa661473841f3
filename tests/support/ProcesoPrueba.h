#pragma once
// A program that a test starts as a real process: exactly the environment
// given, standard input from /dev/null, standard error into a file. Only a
// process that did start is ever waited for or signalled (a failed start
// leaves no process id to signal, and signalling 0 or -1 would reach the
// test runner itself); one still running when the object goes is killed.
#include <sys/types.h>

#include <string>
#include <vector>

// The built program (the folder in UT_VORNA_BIN, else bin/ beside the tests' folder).
std::string ProgramaCompilado();
// Copies the built program, with the files delivered beside it, into
// `carpeta` under `nombre`, a name of the test's own: the single-instance
// rule counts processes named like the program, and other copies may run on
// the machine. Returns the copy's path.
std::string CopiarPrograma(const std::string& carpeta, const std::string& nombre);

// Installs the built program as the package does, under `prefijo`:
// "<prefijo>/bin/<nombre>" (a name of the test's own, as above) and the
// read-only files in "<prefijo>/share/ut_vorna/". Returns the program's path.
std::string InstalarPrograma(const std::string& prefijo, const std::string& nombre);

// Exit status of a copy refused by the single-instance rule. The rule counts
// the processes named ut_vorna and a copy under another name does not count
// itself: two of them running elsewhere on the machine refuse it.
inline constexpr int kRefusadoPorOtrasCopias = 3;
// In a test's body: skips the rest of the test when its copy was refused
// that way, since what it checks cannot happen on this machine right now.
#define SALVO_OTRAS_COPIAS(estado) \
  if ((estado) == kRefusadoPorOtrasCopias) GTEST_SKIP() << "other copies of ut_vorna run on this machine"

class ProcesoPrueba {
 public:
  ProcesoPrueba() = default;
  ~ProcesoPrueba();
  ProcesoPrueba(const ProcesoPrueba&) = delete;
  ProcesoPrueba& operator=(const ProcesoPrueba&) = delete;

  // Starts `argumentos[0]` with those arguments; false when it did not start.
  bool Lanzar(const std::vector<std::string>& argumentos, std::vector<std::string> entorno,
              const std::string& errores = "/dev/null");
  // Exit status (128 + the signal's number when a signal ended it), or -1
  // when it never started or still runs after `segundos` (a generous bound,
  // only against a hang).
  int Esperar(double segundos);
  bool SigueCorriendo();
  // Sends `senal` to the started process; false when none runs.
  bool Senal(int senal);

 private:
  pid_t pid_ = 0;
  int estado_ = -1;
};
