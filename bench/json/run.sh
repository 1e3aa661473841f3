#!/usr/bin/env bash
# Builds the JSON parse bench in release mode and prints its figures.
# Usage: bench/json/run.sh [megabytes=10] [runs=5]
# BENCH_BUILD chooses the build folder (default build-bench beside the sources).
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
build=${BENCH_BUILD:-"$fuentes/build-bench"}
cmake -S "$fuentes" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target bench_json >/dev/null
"$build/bin/bench_json" "$@"
