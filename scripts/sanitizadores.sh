#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in a folder of their own and runs every test
# there (scripts/test.sh runs it after its two passes): a memory error, a
# leak or undefined behaviour stops the process where it happens and fails
# its test.
# Usage: scripts/sanitizadores.sh [ctest options...]   (e.g. -L db: one subsystem)
# UT_VORNA_SANITIZADORES_BUILD chooses the build folder (default: build-sanitizadores).
#
# The machine: the leak check at the end of each process stops its threads
# with ptrace, so it does not run under strace or gdb, nor where ptrace is
# forbidden (kernel.yama.ptrace_scope=3, a container whose seccomp profile
# refuses it): there every instrumented process ends with "LeakSanitizer has
# encountered a fatal error". As root on a Debian 12 machine or virtual
# machine nothing needs setting.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${UT_VORNA_SANITIZADORES_BUILD:-"$here/build-sanitizadores"}

# GCC 12's AddressSanitizer keeps its shadow memory where the program's
# mappings never fall while the kernel randomizes them over at most 28 bits
# (vm.mmap_rnd_bits; Debian 12 uses 28, some newer kernels 32). With more,
# instrumented processes may crash at start: the pass then runs without
# address randomization, which their children inherit.
if [ -z "${UT_VORNA_SIN_ALEATORIO:-}" ] && [ "$(cat /proc/sys/vm/mmap_rnd_bits 2>/dev/null || echo 28)" -gt 28 ]; then
  UT_VORNA_SIN_ALEATORIO=1 exec setarch "$(uname -m)" -R bash "$0" "$@"
fi

# For the tests' own processes and for the test discovery that runs the
# test binaries while building. The programs that tests start with an
# environment of their own (ut_vorna, ut_vorna_demo, the scheduled task as
# cron runs it) keep the sanitizers' defaults, which also stop at the first
# error and check for leaks. No leak of a third-party library (Qt,
# fontconfig, unixODBC, FreeTDS, the SQLite ODBC driver) shows in the suite,
# so nothing is suppressed: every leak reported is one to mend.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

bash "$here/scripts/setup.sh" "$build" -DUT_VORNA_SANITIZADORES=ON -DUT_VORNA_BENCH=OFF

echo "== pruebas: sanitizadores (ASan + UBSan) =="
cd "$build"
LC_ALL=C LANG=C ctest --output-on-failure -j2 --timeout 300 "$@"
