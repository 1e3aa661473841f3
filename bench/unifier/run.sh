#!/usr/bin/env bash
# Builds the unifier bench in release mode and prints, side by side, for a
# demo database with 1,000,000 sales lines in the range and 20,000
# customers: the time and peak memory (max RSS) of the sales file "VTA"
# through the program's generarArchivo (unattended operator), and of the
# sqlite3 command-line tool writing the same query's rows (its plain SQLite
# form, ventas.sql) to a file. Each is run three times; the fastest is shown
# (the machine is shared).
# Usage: bench/unifier/run.sh [lines=1000000] [customers=20000]
# BENCH_BUILD chooses the build folder; BENCH_DATOS a folder to keep the
# demo database between runs (it is made again when missing).
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
build=${BENCH_BUILD:-"$fuentes/build-bench"}
lineas=${1:-1000000}
clientes=${2:-20000}
command -v sqlite3 >/dev/null || { echo "falta sqlite3 (scripts/setup.sh lo instala)" >&2; exit 1; }
cmake -S "$fuentes" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target bench_unifier ut_vorna_demo >/dev/null

if [ -n "${BENCH_DATOS:-}" ]; then
  datos=$BENCH_DATOS
  mkdir -p "$datos"
else
  datos=$(mktemp -d)
  trap 'rm -rf "$datos"' EXIT
fi
base="$datos/bench-$lineas-$clientes.sqlite"
if [ ! -f "$base" ]; then
  "$build/bin/ut_vorna_demo" "$base" --lineas "$lineas" --clientes "$clientes" --dias 35 >/dev/null
fi
# The whole demo range: every sales line of the database is in it.
desde="01/01/2000"
hasta="$(date -d tomorrow +%d/%m/%Y)"
desde_iso="2000-01-01"
hasta_iso="$(date -d tomorrow +%Y-%m-%d)"
mkdir -p "$datos/salida"

medir_programa() {
  "$build/bin/bench_unifier" "$base" "$desde" "$hasta" "$datos/salida/"
}
medir_sqlite3() {
  local consulta
  consulta=$(sed -e '/^--/d' -e "s/:desde/$desde_iso/" -e "s/:hasta/$hasta_iso/" "$fuentes/bench/unifier/ventas.sql")
  local salida
  salida=$( { /usr/bin/time -f '%e %M' sqlite3 -batch -noheader -separator ';' "$base" "$consulta" \
              > "$datos/salida/sqlite3.csv"; } 2>&1 )
  echo "$(wc -l < "$datos/salida/sqlite3.csv") $salida"
}
mejor() { sort -k2,2n | head -1; }

printf '%-26s %9s %9s %12s\n' "" lineas segundos picoKiB
printf '%-26s %9s %9s %12s\n' "generarArchivo VTA" $(for i in 1 2 3; do medir_programa; done | mejor)
printf '%-26s %9s %9s %12s\n' "sqlite3 (misma consulta)" $(for i in 1 2 3; do medir_sqlite3; done | mejor)
