#!/usr/bin/env bash
# Pictures of the program's windows for the README, drawn offscreen (no
# display needed): builds the capture tool, makes a small demo database and
# writes docs/frmInterfaceVorna.png, docs/FrmTareaProgramada.png,
# docs/FrmArtAlta.png, docs/Lib_FrmCons3.png and docs/Lib_FrmCons3Tree.png.
# Usage: scripts/capturas.sh [build-dir]   (default: build)
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$fuentes/build"}
# Without a font the offscreen windows draw no text.
if ! fc-list 2>/dev/null | grep -qi dejavu; then
  echo "capturas: falta una fuente (apt-get install fonts-dejavu-core, ver scripts/setup.sh)" >&2
  exit 1
fi
cmake -S "$fuentes" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target capturas_ventanas capturas_articulos capturas_consultas ut_vorna_demo >/dev/null
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
# The status bar shows the database name: a short one, from the work folder.
cd "$trabajo"
"$build/bin/ut_vorna_demo" demo.sqlite --lineas 2000 --clientes 200 --destino /srv/vorna/paquetes/ >/dev/null
mkdir -p "$fuentes/docs"
QT_QPA_PLATFORM=offscreen "$build/bin/capturas_ventanas" demo.sqlite "$fuentes/docs" 2> >(grep -v propagateSizeHints >&2)
QT_QPA_PLATFORM=offscreen "$build/bin/capturas_articulos" demo.sqlite "$fuentes/docs" 2> >(grep -v propagateSizeHints >&2)
QT_QPA_PLATFORM=offscreen "$build/bin/capturas_consultas" demo.sqlite "$fuentes/docs" 2> >(grep -v propagateSizeHints >&2)
