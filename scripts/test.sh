#!/usr/bin/env bash
# Sets everything up (packages, build) and runs every test twice: under the
# C locale and under the users' regional setting; then once more built with
# AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitizadores.sh,
# its own build folder). `scripts/test.sh --rapido` runs only the first
# pass. The format check (`scripts/formato.sh --check`) runs first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
bash "$here/scripts/setup.sh" "$build"
# The code's format is checked, never rewritten here.
bash "$here/scripts/formato.sh" --check

pasada() {  # <title> [env assignments...]
  local titulo=$1
  shift
  echo "== pruebas: $titulo =="
  (cd "$build" && env "$@" ctest --output-on-failure -j2 --timeout 300)
}

pasada "locale C" LC_ALL=C LANG=C
[ "${1:-}" = "--rapido" ] && exit 0

# The users' regional setting (es_AR: decimal comma, thousands point),
# generated here when the machine lacks it.
regional=es_AR.UTF-8
if ! locale -a 2>/dev/null | grep -qix 'es_AR.utf8' && [ -w /etc/locale.gen ]; then
  sed -i "s/^# *\($regional UTF-8\)/\1/" /etc/locale.gen
  grep -qx "$regional UTF-8" /etc/locale.gen || echo "$regional UTF-8" >> /etc/locale.gen
  locale-gen >/dev/null
fi
pasada "configuracion regional $regional" LC_ALL=$regional LANG=$regional

# The installed program and the Debian package, from the same build.
bash "$here/scripts/paquete.sh" "$build"

# Memory errors, leaks and undefined behaviour, in a build of their own.
bash "$here/scripts/sanitizadores.sh"
