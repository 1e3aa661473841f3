#!/bin/sh
# Writes the manual page of ut_vorna (roff) from the program's own --help,
# so that both always say the same.
# Usage: pagina_manual.sh <ut_vorna executable> <version>
set -eu
programa=$1
version=$2
fecha=$(date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" +%Y-%m-%d)
printf '.TH UT_VORNA 1 "%s" "ut_vorna %s" "Comandos de usuario"\n' "$fecha" "$version"
printf '.SH NOMBRE\nut_vorna \\- unificador de datos del ERP para la plataforma Vorna\n'
printf '.SH DESCRIPCION\n.nf\n'
# Backslashes doubled; a line beginning with "." or "'" is protected.
env -u DISPLAY -u WAYLAND_DISPLAY "$programa" --help | sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"
printf '.fi\n.SH ARCHIVOS\n.nf\n'
cat <<'FIN'
~/.local/share/ut_vorna/        carpeta de la aplicacion de cada usuario
                                (CN000pr.INI, PXERR.LOG, consultas.prx,
                                CONSULTASLEN.PRX)
/usr/share/ut_vorna/            archivos de solo lectura (completopxe.sql)
FIN
printf '.fi\n.SH VEASE TAMBIEN\n/usr/share/doc/ut-vorna/README.md.gz\n'
