#!/bin/sh
# The converter and the same converter on the simple reader must write the
# same code file and console for generated scenes, whole, cut short at random
# places and with random bytes changed.
# usage: confronta_lettori.sh MA2D3D MA2D3D_SEMPLICE GENERA_SCENA MUTA
set -u
ma2d3d=$1; semplice=$2; genera=$3; muta=$4
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro" || exit 1
fallimenti=0; prove=0
confronta() {
  prove=$((prove + 1))
  "$ma2d3d" "$1" a.cpp > a.txt; sa=$?
  "$semplice" "$1" b.cpp > b.txt; sb=$?
  if [ $sa != $sb ] || ! cmp -s a.cpp b.cpp || ! cmp -s a.txt b.txt; then
    echo "FAILED: $2"; cp "$1" "$OLDPWD/confronto-fallito-$prove.ma" 2>/dev/null; fallimenti=$((fallimenti + 1))
  fi
}
for seme in 1 2 3 4 5 6 7 8; do
  "$genera" 0.3 "$seme" 2 > intera.ma
  confronta intera.ma "generated scene, seed $seme"
  byte=$(wc -c < intera.ma)
  for taglio in 1 2 3; do
    head -c $(( (byte / 7) * taglio + seme * 131 )) intera.ma > tagliata.ma
    confronta tagliata.ma "seed $seme cut $taglio"
  done
  for m in 1 2 3 4 5 6; do
    "$muta" "$seme$m" $(( m * 40 )) < intera.ma > mutata.ma
    confronta mutata.ma "seed $seme mutation $m"
  done
done
echo "$((prove - fallimenti)) passed, $fallimenti failed"
[ "$fallimenti" = 0 ]
