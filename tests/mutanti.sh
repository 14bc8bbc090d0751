#!/usr/bin/env bash
# Deliberate slips, one at a time: each is applied to a copy of the sources,
# the program is rebuilt and the end-to-end cases are run; every slip must make
# some case fail. Run by hand after changing the scanner (about 2 minutes):
#   tests/mutanti.sh [BUILD_DIR]
# The slips: every keyword's comparison length one shorter and one longer, and
# each way the dispatcher and the shape handler hand control over, and when a
# light is current.
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
copia=$(mktemp -d)
trap 'rm -rf "$copia"' EXIT
cp -r src CMakeLists.txt README.md LICENSE bench tests examples fuzz man cmake "$copia"/ 2>/dev/null
cmake -S "$copia" -B "$copia/build" -DMA2D3D_TESTS=ON > /dev/null || exit 1
mancati=0
prova() {  # FILE SED-EXPRESSION DESCRIPTION
  local file=$copia/$1
  cp "$file" "$copia/originale"
  sed -i "$2" "$file"
  if cmp -s "$file" "$copia/originale"; then
    echo "not applied: $3"; mancati=$((mancati + 1))
  elif ! cmake --build "$copia/build" --target ma2d3d -j2 > /dev/null 2>&1; then
    echo "does not build: $3"; mancati=$((mancati + 1))
  elif ctest --test-dir "$copia/build" -R '^e2e\.' -E tagliato -j2 > /dev/null 2>&1; then
    echo "MISSED: $3"; mancati=$((mancati + 1))
  else
    echo "caught: $3"
  fi
  cp "$copia/originale" "$file"
}
P=src/scanner/parole.h
sed -i '/^static_assert(lunghezzeGiuste()/d' "$copia/$P"
for voce in 'createNode", 10' 'transform", 9' 'spotLight", 9' 'setAttr", 7' '\\".cl\\"", 5' \
             '\\"float3\\"", 8' '\\".ca\\"", 5' '\\".pa\\"", 5' '\\"spotLight", 10' '\\".t\\"", 4' \
             '\\"double3\\"", 9' '\\".r\\"", 4'; do
  testo=${voce%, *}; n=${voce##*, }
  prova $P "s/voce(\"$testo, $n)/voce(\"$testo, $((n - 1)))/" "$testo $n one shorter"
  prova $P "s/voce(\"$testo, $n)/voce(\"$testo, $((n + 1)))/" "$testo $n one longer"
done
D=src/scanner/dispatcher.cpp; F=src/scanner/forma.cpp; T=src/scanner/trasformazione.cpp
prova $D 's/    if (corrisponde(token, TRANSFORM)) gestisciTrasformazione();/    (void)0;/' "second chance never hands a transform on"
prova $D 's/if (ritorno == SECONDA_CHANCE) break;/if (ritorno == SECONDA_CHANCE) return;/' "second chance return ends the call"
prova $D 's/if (ritorno == SECONDA_CHANCE) break;//' "second chance return taken as node start"
prova $F 's/return INIZIO_NODO;/return SECONDA_CHANCE;/' "node start return taken as second chance"
prova $F 's/return INIZIO_NODO;/return FINE_CHIAMATA;/' "node start return taken as the end"
prova $F '/scriviNumeroLetto(RANGE);/{n;d}' "no read after the cone angle"
prova $F '/scriviNumeroLetto(FALLOFF);/{n;d}' "no read after the penumbra angle"
prova $F '/scriviNumeroLetto(DIFFUSE_B);/{n;d}' "no read after the colour"
prova $T '/scriviNumeroLetto(POSITION_Z);/{n;d}' "no read after the translate values"
prova $D "s/if (nomeluce\[0\] != '\\\\0') scriviProprieta/scriviProprieta/" "a shape writes with no current light"
prova $T '/^        nomeluce\[0\] = /d' "a transform that is not a light keeps the current light"
prova $T 's/tries > 2/tries > 3/' "name look-ahead of four tokens"
prova $T 's/tries > 2/tries > 1/' "name look-ahead of two tokens"
echo "$mancati slips not caught"
[ "$mancati" = 0 ]
