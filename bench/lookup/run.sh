#!/usr/bin/env bash
# Builds the lookup bench in release mode, makes a demo database with
# 100,000 articles and prints how long the list lookup takes to fill
# against reading the same rows bare, one search-as-you-type step, and the
# memory of the filled window against the rows' text.
# Usage: bench/lookup/run.sh [articulos=100000] [corridas=3]
# BENCH_BUILD chooses the build folder (default build-bench beside the sources).
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
build=${BENCH_BUILD:-"$fuentes/build-bench"}
articulos=${1:-100000}
corridas=${2:-3}
cmake -S "$fuentes" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target bench_lookup ut_vorna_demo >/dev/null
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
"$build/bin/ut_vorna_demo" "$trabajo/demo.sqlite" --articulos "$articulos" --lineas 1000 --clientes 100 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bin/bench_lookup" "$trabajo/demo.sqlite" "$corridas" 2> >(grep -v propagateSizeHints >&2)
