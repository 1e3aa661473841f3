#!/usr/bin/env bash
# Sets everything up and runs the program's main job on the embedded demo
# database: a fresh demo ERP database in build/demo/, the unattended run of
# ut_vorna on it (as the daily scheduled task starts it, without a
# display), and the four delivered files with their line counts.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
bash "$here/scripts/setup.sh" "$build"

demo="$build/demo"
salida="$demo/salida"
base="$demo/demo.sqlite"
# A run of its own: an older demo database, its statistics database, its
# error log and its files are replaced.
rm -rf "$demo"
mkdir -p "$salida"
"$build/bin/ut_vorna_demo" "$base" --destino "$salida/" --paquete 15

echo
echo "== ut_vorna, ejecucion desatendida =="
estado=0
(cd "$demo" && env -u DISPLAY -u WAYLAND_DISPLAY "$build/bin/ut_vorna" \
  "@Server=sqlite; @DbName=$base; @Usuario=ADMIN; @ParametroAdicional=1;") || estado=$?
echo "estado de salida: $estado"

echo
echo "== archivos entregados en $salida =="
shopt -s nullglob
archivos=("$salida"/610013001-*.csv)
if [ ${#archivos[@]} -eq 0 ]; then
  echo "(ninguno)"
else
  for f in "${archivos[@]}"; do
    printf '%-28s %8s lineas\n' "$(basename "$f")" "$(wc -l < "$f")"
  done
fi
exit "$estado"
