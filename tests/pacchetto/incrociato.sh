#!/bin/sh
# A project cross-built for Windows with the Windows zip's CMake package (the
# example, whose lights come from ma2d3d-luci): ma2d3d_genera_luci must
# convert its scene with the build machine's ma2d3d-luci from the PATH, never
# with the zip's ma2d3d-luci.exe; with no converter on the PATH and no
# MA2D3D_CONVERTITORE_LUCI, the configuration stops and says what to set.
# usage: incrociato.sh SOURCE_DIR ZIP HOST_CONVERTER
set -eu
sorgenti=$(cd "$1" && pwd); zip=$2; ospite=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
catena=$sorgenti/cmake/mingw-w64-x86_64.cmake
unzip -q "$zip" -d "$lavoro/zip"
prefisso=$(ls -d "$lavoro"/zip/*/)
mkdir "$lavoro/bin"
ln -s "$ospite" "$lavoro/bin/ma2d3d-luci"

# No converter for the build machine: the configuration stops. The PATH
# keeps every folder but those that hold a ma2d3d-luci.
senza=$(printf '%s\n' "$PATH" | tr ':' '\n' | while read -r d; do [ -x "$d/ma2d3d-luci" ] || printf '%s:' "$d"; done)
if PATH=${senza%:} cmake -S "$sorgenti/examples/progetto" -B "$lavoro/senza" -DCMAKE_TOOLCHAIN_FILE="$catena" \
     -DCMAKE_PREFIX_PATH="$prefisso" > "$lavoro/senza.log" 2>&1; then
  echo "FAILED: a cross build with no converter for the build machine was configured"; exit 1
fi
grep -q 'set MA2D3D_CONVERTITORE_LUCI' "$lavoro/senza.log" ||
  { echo "FAILED: the configuration stopped without saying what to set:"; tail -n 20 "$lavoro/senza.log"; exit 1; }
echo "no host converter: the configuration stops and names MA2D3D_CONVERTITORE_LUCI"

# The build machine's converter on the PATH converts the scene.
PATH="$lavoro/bin:$PATH" cmake -S "$sorgenti/examples/progetto" -B "$lavoro/con" -DCMAKE_TOOLCHAIN_FILE="$catena" \
  -DCMAKE_PREFIX_PATH="$prefisso" > "$lavoro/con.log" 2>&1 || { tail -n 20 "$lavoro/con.log"; exit 1; }
grep -qx "MA2D3D_CONVERTITORE_LUCI_HOST:FILEPATH=$lavoro/bin/ma2d3d-luci" "$lavoro/con/CMakeCache.txt" ||
  { echo "FAILED: the host converter was not the one found"; grep CONVERTITORE "$lavoro/con/CMakeCache.txt"; exit 1; }
PATH="$lavoro/bin:$PATH" cmake --build "$lavoro/con" > "$lavoro/build.log" 2>&1 || { tail -n 20 "$lavoro/build.log"; exit 1; }
"$ospite" "$sorgenti/examples/progetto/stanza.ma" "$lavoro/stanza_luci.h" > /dev/null
cmp "$lavoro/stanza_luci.h" "$lavoro/con/ma2d3d_luci/stanza/stanza_luci.h"
[ -f "$lavoro/con/stanza.exe" ]
echo "the zip's package in a cross build: the scene converted by the build machine's ma2d3d-luci"
