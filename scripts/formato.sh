#!/usr/bin/env bash
# The code's format (.clang-format). Without options it rewrites the files;
# with --check it only lists those that differ and fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
mapfile -t archivos < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${archivos[@]}"
  echo "formato: ${#archivos[@]} archivos conformes"
else
  clang-format -i "${archivos[@]}"
fi
