#!/bin/sh
# Writes the manual page (roff) of one of the package's programs from its
# own --help, so that both always say the same.
# Usage: pagina_manual.sh <executable> <version> <summary> [<files section>]
# The optional fourth argument is a text file shown as the page's ARCHIVOS
# section, as written.
set -eu
programa=$1
version=$2
resumen=$3
archivos=${4:-}
nombre=$(basename "$programa")
mayusculas=$(printf '%s' "$nombre" | tr '[:lower:]' '[:upper:]')
fecha=$(date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" +%Y-%m-%d)
# Backslashes doubled, hyphens kept as typed (minus signs, as in options),
# a line beginning with "." or "'" protected.
roff() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\([.']\)/\\\\\&\1/"; }
printf '.TH %s 1 "%s" "ut_vorna %s" "Comandos de usuario"\n' "$mayusculas" "$fecha" "$version"
printf '.SH NOMBRE\n%s \\- %s\n' "$nombre" "$resumen"
printf '.SH DESCRIPCION\n.nf\n'
env -u DISPLAY -u WAYLAND_DISPLAY "$programa" --help | roff
printf '.fi\n'
if [ -n "$archivos" ]; then
  printf '.SH ARCHIVOS\n.nf\n'
  roff < "$archivos"
  printf '.fi\n'
fi
printf '.SH VEASE TAMBIEN\n/usr/share/doc/ut\\-vorna/README.md\n'
