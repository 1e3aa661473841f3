#!/bin/sh
# Figures of the demo database generator at full size: wall time, peak
# memory and file size for 1,000,000 sales lines and 20,000 customers.
#   src/demo/medir_generador.sh <build folder> [lines] [customers]
set -eu
build=${1:?build folder}
lineas=${2:-1000000}
clientes=${3:-20000}
herramienta="$build/bin/ut_vorna_demo"
[ -x "$herramienta" ] || { echo "build the target ut_vorna_demo first" >&2; exit 1; }
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
if [ -x /usr/bin/time ]; then
  /usr/bin/time -o "$carpeta/tiempo.txt" -f "tiempo: %e s  memoria maxima: %M KB" \
    "$herramienta" "$carpeta/demo.sqlite" --lineas "$lineas" --clientes "$clientes" --destino "$carpeta"
  cat "$carpeta/tiempo.txt"
else
  "$herramienta" "$carpeta/demo.sqlite" --lineas "$lineas" --clientes "$clientes" --destino "$carpeta"
fi
echo "archivo: $(du -h "$carpeta/demo.sqlite" | cut -f1)"
