#!/usr/bin/env bash
# Builds the database bench in release mode and prints, side by side, the
# time to read every value of 1,000,000 rows x 10 columns with the bare
# SQLite C API (texts as pointers: "api"; texts copied out: "apicopia"), through the embedded engine's cursor and through
# DB_Dll::AbrirRecordset, with each run's peak memory (max RSS), for
# 100,000 and 1,000,000 rows. Each reading runs in its own process,
# five times; the fastest is shown (the machine is shared).
# Usage: bench/db/run.sh            BENCH_BUILD chooses the build folder.
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
build=${BENCH_BUILD:-"$fuentes/build-bench"}
cmake -S "$fuentes" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target bench_db >/dev/null
bench=$(find "$build" -name bench_db -type f -perm -u+x | head -1)
datos=$(mktemp -d)
trap 'rm -rf "$datos"' EXIT

printf '%-9s %8s %8s %8s %s\n' mode rows seconds peakKiB checksum
for filas in 100000 1000000; do
  "$bench" crear "$datos/bench.sqlite" "$filas"
  for modo in api apicopia cursor recordset; do
    for vez in 1 2 3 4 5; do "$bench" "$modo" "$datos/bench.sqlite" || true; done | sort -k3,3n | head -1
  done
done
