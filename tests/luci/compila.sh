#!/bin/sh
# Compiles each scene's expected header as C++17 and as C, with every warning
# an error, in a program that uses its three arrays.
# usage: compila.sh CXX CC D3D9_INCLUDE_DIR SCENE.ma...
set -u
cxx=$1; cc=$2; d3d9=$3; shift 3
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
esito=0
for scena in "$@"; do
  atteso=${scena%.ma}.atteso
  printf '#include <d3d9.h>\n#include "%s"\nint main(void) { return (int)luci_numero + (luci_nomi[0][0] == 0) + (int)luci[0].Type + (int)luci[0].Phi; }\n' \
    "$atteso" > "$lavoro/prova.c"
  cp "$lavoro/prova.c" "$lavoro/prova.cpp"
  "$cxx" -std=c++17 -Wall -Wextra -Wpedantic -Werror -I "$d3d9" -o "$lavoro/a" "$lavoro/prova.cpp" ||
    { echo "does not compile as C++: $atteso"; esito=1; }
  "$cc" -std=c99 -Wall -Wextra -Wpedantic -Werror -I "$d3d9" -o "$lavoro/b" "$lavoro/prova.c" ||
    { echo "does not compile as C: $atteso"; esito=1; }
done
[ "$esito" = 0 ] && echo "$# headers compile as C++ and as C"
exit $esito
