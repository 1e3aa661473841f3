#!/usr/bin/env bash
# Sets everything up and runs the program's main job on the embedded demo database.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
bash "$here/scripts/setup.sh" "$build"
"$build/bin/ut_vorna" --version
