#!/usr/bin/env bash
# Times the converter on scenes of several shapes, each held in the page cache,
# against `cat` of the same file: best of 5 runs, the converter's and cat's
# runs interleaved. Prints one line per shape: time, MiB/s, the ratio to cat
# and peak resident memory. For the light-dense shape, whose output is larger
# than its input, the ratio is to `cat` of the scene plus `cat` of its code
# into a file. A first line times the per-token fscanf("%s") loop on the
# Maya-like scene, for scale. Given a second build folder (an older build, say),
# its converter runs interleaved with the other two, and each line adds its
# time, the ratio of the first build's time to it and its peak memory.
# usage: bench/misura.sh [MIB] [BUILD_DIR] [OTHER_BUILD_DIR]   (defaults: 128, build)
set -euo pipefail
mib=${1:-128}
build=${2:-build}
altro=${3:-}
cartella=${TMPDIR:-/tmp}
codice=$cartella/ma2d3d-bench-luci.cpp
copia=$cartella/ma2d3d-bench-copia.cpp
for p in ma2d3d bench/genera_scena bench/genera_forme bench/base_fscanf; do
  [ -x "$build/$p" ] || { echo "build first: $build/$p is missing" >&2; exit 1; }
done
[ -z "$altro" ] || [ -x "$altro/ma2d3d" ] || { echo "build first: $altro/ma2d3d is missing" >&2; exit 1; }

ora() { date +%s%N; }
tempo() {  # wall time of one run, in nanoseconds
  local t0 t1
  t0=$(ora); "$@" > /dev/null; t1=$(ora)
  echo $(( t1 - t0 ))
}
picco() {  # peak resident memory in KiB
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ { print $2 }'
  else
    echo "?"
  fi
}
cat_scena() { cat "$1" > /dev/null; }
cat_entrambi() { cat "$1" > /dev/null; cat "$codice" > "$copia"; }

# misura NAME SCENE REFERENCE: best of 5 of the converter and of the reference
# command, interleaved; prints the shape's line.
misura() {
  local nome=$1 scena=$2 riferimento=$3 best_ma= best_rif= best_altro=0
  cat "$scena" > /dev/null
  "$build/ma2d3d" "$scena" "$codice" > /dev/null
  for _ in 1 2 3 4 5; do
    local r m a
    r=$(tempo "$riferimento" "$scena"); m=$(tempo "$build/ma2d3d" "$scena" "$codice")
    if [ -z "$best_rif" ] || [ "$r" -lt "$best_rif" ]; then best_rif=$r; fi
    if [ -z "$best_ma" ] || [ "$m" -lt "$best_ma" ]; then best_ma=$m; fi
    if [ -n "$altro" ]; then
      a=$(tempo "$altro/ma2d3d" "$scena" "$codice")
      if [ "$best_altro" = 0 ] || [ "$a" -lt "$best_altro" ]; then best_altro=$a; fi
    fi
  done
  local memoria memoria_altro=
  memoria=$(picco "$build/ma2d3d" "$scena" "$codice")
  [ -z "$altro" ] || memoria_altro=$(picco "$altro/ma2d3d" "$scena" "$codice")
  awk -v n="$nome" -v b="$(stat -c %s "$scena")" -v m="$best_ma" -v r="$best_rif" -v k="$memoria" \
      -v rif="$riferimento" -v a="$best_altro" -v ka="$memoria_altro" 'BEGIN {
    mibs = b / 1048576
    printf "%-16s %7.1f MiB %8.3f s %8.1f MiB/s   %5.2f x %-13s %8.3f s   peak %s KiB",
           n, mibs, m / 1e9, mibs / (m / 1e9), m / r, (rif == "cat_scena" ? "cat" : "cat+cat code"), r / 1e9, k
    if (a > 0) printf "   other %8.3f s, %5.2f x other, peak %s KiB", a / 1e9, m / a, ka
    printf "\n"
  }'
}

printf "%-16s %11s %10s %14s   %-20s %10s\n" shape size ma2d3d speed "ratio to" "reference"
declare -A mib_di=([maya]=$mib [connessioni]=$mib [trasformazioni]=$mib [c]=$mib [luci]=$(( mib / 2 )))
for forma in maya connessioni trasformazioni c luci; do
  scena=$cartella/ma2d3d-bench-$forma-${mib_di[$forma]}.ma
  if [ ! -f "$scena" ]; then
    if [ "$forma" = maya ]; then
      "$build/bench/genera_scena" "${mib_di[$forma]}" 1 > "$scena"
    else
      "$build/bench/genera_forme" "$forma" "${mib_di[$forma]}" > "$scena"
    fi
  fi
  if [ "$forma" = luci ]; then misura "$forma" "$scena" cat_entrambi; else misura "$forma" "$scena" cat_scena; fi
done
scena=$cartella/ma2d3d-bench-maya-$mib.ma
t=$(tempo "$build/bench/base_fscanf" "$scena")
awk -v t="$t" 'BEGIN { printf "fscanf(\"%%s\") loop on the maya scene: %.3f s\n", t / 1e9 }'
rm -f "$copia"
