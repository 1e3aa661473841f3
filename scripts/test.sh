#!/usr/bin/env bash
# Sets everything up (packages, build) and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
bash "$here/scripts/setup.sh" "$build"
cd "$build"
ctest --output-on-failure -j2 --timeout 300
