#!/usr/bin/env bash
# Sets everything up (packages, build) and runs every test under the C
# locale. The sanitizer build
# (`-DUT_VORNA_SANITIZADORES=ON`) and the format check
# (`scripts/formato.sh --check`) are one command each.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
bash "$here/scripts/setup.sh" "$build"

pasada() {  # <title> [env assignments...]
  local titulo=$1
  shift
  echo "== pruebas: $titulo =="
  (cd "$build" && env "$@" ctest --output-on-failure -j2 --timeout 300)
}

pasada "locale C" LC_ALL=C LANG=C
