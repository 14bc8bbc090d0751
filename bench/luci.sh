#!/usr/bin/env bash
# Times ma2d3d-luci beside cat and ma2d3d on scenes of every shape, each held
# in the page cache: best of 5 runs, the three interleaved. Prints per shape
# the three times and the ratios luci/cat and luci/ma2d3d, and luci's peak
# resident memory.
# usage: bench/luci.sh [MIB] [BUILD_DIR]   (defaults: 64, build)
set -euo pipefail
mib=${1:-64}
build=${2:-build}
cartella=${TMPDIR:-/tmp}
for p in ma2d3d ma2d3d-luci bench/genera_scena bench/genera_forme; do
  [ -x "$build/$p" ] || { echo "build first: $build/$p is missing" >&2; exit 1; }
done
ora() { date +%s%N; }
tempo() { local t0 t1; t0=$(ora); "$@" > /dev/null; t1=$(ora); echo $(( t1 - t0 )); }
printf '%-16s %9s %9s %9s %9s %9s %9s\n' shape cat_ms ma2d3d_ms luci_ms luci/cat luci/ma2d3d luci_KiB
for forma in maya connessioni trasformazioni c luci; do
  scena=$cartella/ma2d3d-bench-$forma.ma
  if [ "$forma" = maya ]; then "$build/bench/genera_scena" "$mib" 1 > "$scena"; else "$build/bench/genera_forme" "$forma" "$mib" > "$scena"; fi
  cat "$scena" > /dev/null
  bc=999999999999; bm=$bc; bl=$bc
  for _ in 1 2 3 4 5; do
    t=$(tempo cat "$scena"); [ "$t" -lt "$bc" ] && bc=$t
    t=$(tempo "$build/ma2d3d" "$scena" "$cartella/ma2d3d-bench.cpp"); [ "$t" -lt "$bm" ] && bm=$t
    t=$(tempo "$build/ma2d3d-luci" "$scena" "$cartella/ma2d3d-bench.h"); [ "$t" -lt "$bl" ] && bl=$t
  done
  kib=$( { /usr/bin/time -f %M "$build/ma2d3d-luci" "$scena" "$cartella/ma2d3d-bench.h" > /dev/null; } 2>&1 | tail -n 1)
  awk -v f="$forma" -v c="$bc" -v m="$bm" -v l="$bl" -v k="$kib" \
    'BEGIN { printf "%-16s %9.1f %9.1f %9.1f %9.2f %9.2f %9s\n", f, c/1e6, m/1e6, l/1e6, l/c, l/m, k }'
  rm -f "$scena" "$cartella/ma2d3d-bench.cpp" "$cartella/ma2d3d-bench.h"
done
