#!/usr/bin/env bash
# Builds the window bench in release mode, makes a demo database and prints
# how long the sales file takes through the main window (offscreen) against
# the unattended run.
# Usage: bench/ventanas/run.sh [lineas=100000] [clientes=2000] [corridas=3]
# BENCH_BUILD chooses the build folder (default build-bench beside the sources).
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
build=${BENCH_BUILD:-"$fuentes/build-bench"}
lineas=${1:-100000}
clientes=${2:-2000}
corridas=${3:-3}
cmake -S "$fuentes" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target bench_ventanas ut_vorna_demo >/dev/null
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
"$build/bin/ut_vorna_demo" "$trabajo/demo.sqlite" --lineas "$lineas" --clientes "$clientes" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bin/bench_ventanas" "$trabajo/demo.sqlite" "$corridas" 2> >(grep -v propagateSizeHints >&2)
