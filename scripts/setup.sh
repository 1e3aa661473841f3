#!/usr/bin/env bash
# Installs the Debian packages the project needs (skipping those already present) and builds.
# Usage: scripts/setup.sh [build-dir]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
          qt6-base-dev libsqlite3-dev sqlite3
          unixodbc unixodbc-dev tdsodbc libsqliteodbc
          nlohmann-json3-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2
