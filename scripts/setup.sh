#!/usr/bin/env bash
# Installs the Debian packages the project needs (skipping those already
# present) and builds. dpkg-dev and file serve the Debian package
# (scripts/paquete.sh): CPack finds the library packages with
# dpkg-shlibdeps and the binaries with file.
# Usage: scripts/setup.sh [build-dir] [extra cmake options...]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}
shift || true

packages=(cmake ninja-build g++ pkg-config ccache libgtest-dev libgmock-dev
          qt6-base-dev qt6-translations-l10n libsqlite3-dev sqlite3
          unixodbc unixodbc-dev tdsodbc libsqliteodbc
          nlohmann-json3-dev fonts-dejavu-core clang-format locales
          dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# ccache only speeds up rebuilds; a build without it is the same build.
lanzador=()
if command -v ccache >/dev/null; then lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lanzador[@]}" "$@"
cmake --build "$build" -j2
