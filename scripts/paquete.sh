#!/usr/bin/env bash
# Checks the program as the package installs it, from a build folder that
# scripts/setup.sh made (scripts/test.sh runs it after the tests):
#   1. `cmake --install` into a folder of its own under the build folder
#      (a temporary folder may forbid running programs; it is used only
#      when the user of step 2 cannot reach the build folder) and the
#      layout;
#   2. the installed demo tool and the installed program's unattended run,
#      as a user who cannot write the installation: the four files arrive,
#      the log, the lookup file and the settings file are in that user's
#      application folder (~/.local/share/ut_vorna);
#   3. `cpack -G DEB`, then `dpkg-deb --info` and `--contents` (paths,
#      owners and runtime dependencies), and lintian (installed here when
#      root may; without it that check is skipped with a message).
# Run as root, step 2 uses a throwaway user, removed at the end; run by
# anyone else, that user with the installation made read-only.
# Usage: scripts/paquete.sh [build-dir]   (default: build)
set -euo pipefail
umask 022  # the installation is readable by every user, as the package's is
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)

fallo() {
  echo "paquete: $*" >&2
  exit 1
}
paso() { echo "== paquete: $* =="; }

# Debian's own checkers of a package and of a desktop entry, installed here
# (not by the set-up: only this check needs them) when root may.
checkers=()
for p in lintian desktop-file-utils; do
  dpkg -s "$p" >/dev/null 2>&1 || checkers+=("$p")
done
if [ ${#checkers[@]} -gt 0 ] && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${checkers[@]}" >/dev/null ||
    echo "paquete: no se pudieron instalar ${checkers[*]}; se revisa sin ellos" >&2
fi

cmake --build "$build" -j2 --target ut_vorna ut_vorna_demo esquema_estadisticas paginas_manual changelog_paquete \
  >/dev/null

# The user of step 2.
usuario=""
trabajo=""
limpiar() {
  local estado=$?
  [ -n "$usuario" ] && userdel "$usuario" 2>/dev/null
  if [ -n "$trabajo" ]; then
    chmod -R u+w "$trabajo" 2>/dev/null
    rm -rf "$trabajo"
  fi
  exit "$estado"
}
trap limpiar EXIT
if [ "$(id -u)" -eq 0 ]; then
  usuario=utvorna$$
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$usuario"
  como() { runuser -u "$usuario" -- "$@"; }
else
  como() { "$@"; }
fi
quien=$(como id -un)

# A folder where that user may run programs: under the build folder, unless
# the folders above it shut the user out; then a temporary folder that
# allows running programs.
for base in "$build" /var/tmp /tmp; do
  d=$(mktemp -d "$base/ut_vorna_paquete.XXXXXX") || continue
  chmod 755 "$d"
  cp /bin/true "$d/sonda"
  if como "$d/sonda" 2>/dev/null; then
    trabajo=$d
    rm "$d/sonda"
    break
  fi
  rm -rf "$d"
done
[ -n "$trabajo" ] || fallo "$quien no puede ejecutar programas en $build, /var/tmp ni /tmp"
prefijo=$trabajo/prefijo
casa=$trabajo/casa

# 1. The installation.
paso "cmake --install en $prefijo"
cmake --install "$build" --prefix "$prefijo" >"$trabajo/install.log"
instalados=(bin/ut_vorna bin/ut_vorna_demo share/ut_vorna/completopxe.sql
            share/applications/ut_vorna.desktop share/icons/hicolor/32x32/apps/ut_vorna.png
            share/man/man1/ut_vorna.1.gz share/man/man1/ut_vorna_demo.1.gz
            share/doc/ut-vorna/copyright share/doc/ut-vorna/changelog.gz share/doc/ut-vorna/README.md)
for f in "${instalados[@]}"; do
  [ -f "$prefijo/$f" ] || fallo "falta $f en la instalacion"
done
[ ! -e "$prefijo/bin/completopxe.sql" ] || fallo "completopxe.sql quedo en bin/"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefijo/share/applications/ut_vorna.desktop"
fi
gzip -dc "$prefijo/share/man/man1/ut_vorna.1.gz" | grep -q "UT_VORNA_CARPETA" ||
  fallo "la pagina del manual no nombra la carpeta de la aplicacion"

# 2. The installed program, run by a user who cannot write the installation.
mkdir -m 700 "$casa"
if [ -n "$usuario" ]; then
  chown "$usuario:" "$casa"
else
  chmod -R a-w "$prefijo"
fi
if como test -w "$prefijo/bin" || como test -w "$prefijo/share/ut_vorna"; then
  fallo "$quien puede escribir en la instalacion"
fi
# Little more than a cron job has: no display. The temporary folder is the
# user's own, so the check leaves nothing behind in /tmp (the first start
# writes the statistics creation script there).
en_casa() {
  como env -i HOME="$casa" PATH=/usr/bin:/bin LANG="${LANG:-C}" TMPDIR="$casa/tmp" \
    sh -c 'cd "$HOME" && mkdir -p "$TMPDIR" && exec "$@"' sh "$@"
}

paso "ut_vorna_demo y ut_vorna instalados, como $quien"
salida=$casa/salida
aplicacion=$casa/.local/share/ut_vorna
como mkdir "$salida"
en_casa "$prefijo/bin/ut_vorna_demo" "$casa/demo.sqlite" --lineas 2000 --clientes 100 --articulos 40 --dias 10 \
  --destino "$salida/" --paquete 15 >/dev/null
estado=0
en_casa "$prefijo/bin/ut_vorna" "@Server=sqlite; @DbName=$casa/demo.sqlite; @Usuario=ADMIN; @ParametroAdicional=1;" ||
  estado=$?
[ "$estado" -ne 3 ] || fallo "otras copias de ut_vorna en este equipo rechazaron la ejecucion (estado 3)"
[ "$estado" -eq 0 ] || fallo "ut_vorna termino con el estado $estado"
for codigo in VTA STK PDV RTA; do
  archivo=$salida/610013001-$codigo-16.csv
  [ -s "$archivo" ] || fallo "no se entrego $archivo"
  printf '%-28s %6s lineas\n' "$(basename "$archivo")" "$(wc -l <"$archivo")"
done
[ -f "$casa/PX_ESTADISTICAS.sqlite" ] || fallo "no se creo la base de estadisticas con el guion instalado"
[ -f "$aplicacion/consultas.prx" ] || fallo "consultas.prx no esta en $aplicacion"
[ "$(stat -c '%a %U' "$aplicacion")" = "700 $quien" ] || fallo "$aplicacion: $(stat -c '%a %U' "$aplicacion")"

# The error log: a run on a database that does not exist ends with status 4 and says why there.
estado=0
en_casa "$prefijo/bin/ut_vorna" "@Server=sqlite; @DbName=$casa/no-existe.sqlite; @Usuario=ADMIN; @ParametroAdicional=1;" \
  2>/dev/null || estado=$?
[ "$estado" -eq 4 ] || fallo "la ejecucion sobre una base inexistente termino con el estado $estado"
grep -q "No se pudo abrir la conexion" "$aplicacion/PXERR.LOG" || fallo "PXERR.LOG no esta en $aplicacion"

# The settings file is read from the same folder: the driver it names is the one asked for.
printf '[ODBC]\r\nDriverSqlServer=Controlador de paquete.sh\r\n' | como tee "$aplicacion/CN000pr.INI" >/dev/null
estado=0
en_casa "$prefijo/bin/ut_vorna" --probar-conexion "@Server=127.0.0.1,9; @DbName=x; @Usuario=u; @Password=p;" \
  >/dev/null 2>"$trabajo/probar.txt" || estado=$?
[ "$estado" -eq 4 ] || fallo "--probar-conexion termino con el estado $estado"
grep -q "Controlador de paquete.sh" "$trabajo/probar.txt" "$aplicacion/PXERR.LOG" ||
  fallo "CN000pr.INI de $aplicacion no se leyo: $(cat "$trabajo/probar.txt")"
echo "carpeta de la aplicacion $aplicacion: $(cd "$aplicacion" && ls | tr '\n' ' ')"
[ -z "$(find "$prefijo" -newer "$trabajo/install.log" -print -quit)" ] || fallo "algo se escribio en la instalacion"

# 3. The Debian package.
paso "cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$trabajo/deb" >"$trabajo/cpack.log") || {
  cat "$trabajo/cpack.log"
  fallo "cpack fallo"
}
deb=$(ls "$trabajo"/deb/ut-vorna_*.deb)
dpkg-deb --info "$deb" | tee "$trabajo/info.txt"
depends=$(sed -n 's/^ Depends: //p' "$trabajo/info.txt")
for p in libqt6widgets6 libqt6network6 libsqlite3-0 libodbc2 tdsodbc unixodbc qt6-qpa-plugins; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fallo "Depends no nombra $p: $depends"
done
! grep -qE -- "-dev( |,|$)" <<<"$depends" || fallo "Depends nombra paquetes de desarrollo: $depends"
dpkg-deb --contents "$deb" | tee "$trabajo/contenido.txt"
for f in "${instalados[@]}"; do
  grep -qE "^-.* root/root .* \./usr/$f$" "$trabajo/contenido.txt" || fallo "el paquete no tiene /usr/$f de root"
done
grep -qE "^-rwxr-xr-x .* \./usr/bin/ut_vorna$" "$trabajo/contenido.txt" || fallo "/usr/bin/ut_vorna no es ejecutable"

if command -v lintian >/dev/null; then
  paso "lintian"
  lintian --fail-on error "$deb"
else
  echo "lintian no esta instalado: sin revisar"
fi
cp "$deb" "$build/"
paso "correcto: $build/$(basename "$deb")"
