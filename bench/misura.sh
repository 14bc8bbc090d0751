#!/usr/bin/env bash
# Times, on one generated scene held in the page cache, the best of 5 runs of
# `cat FILE >/dev/null`, ma2d3d and a per-token fscanf("%s") loop, and prints
# MiB/s, the ratios and each program's peak resident memory.
# usage: bench/misura.sh [MIB] [BUILD_DIR]     (defaults: 256, build)
set -euo pipefail
mib=${1:-256}
build=${2:-build}
scena=${TMPDIR:-/tmp}/ma2d3d-bench-$mib.ma
codice=${TMPDIR:-/tmp}/ma2d3d-bench-luci.cpp
for p in ma2d3d bench/genera_scena bench/base_fscanf; do
  [ -x "$build/$p" ] || { echo "build first: $build/$p is missing" >&2; exit 1; }
done
[ -f "$scena" ] || "$build/bench/genera_scena" "$mib" 1 > "$scena"
byte=$(stat -c %s "$scena")
cat "$scena" > /dev/null  # into the page cache

migliore() {  # best wall time of 5 runs, in seconds
  local best=
  for _ in 1 2 3 4 5; do
    local t0 t1
    t0=$(date +%s%N); "$@" > /dev/null; t1=$(date +%s%N)
    local t=$(( t1 - t0 ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.4f", ns / 1e9 }'
}
picco() {  # peak resident memory in KiB
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ { print $2 }'
  else
    echo "?"
  fi
}

t_cat=$(migliore cat "$scena")
t_ma=$(migliore "$build/ma2d3d" "$scena" "$codice")
t_base=$(migliore "$build/bench/base_fscanf" "$scena")
m_ma=$(picco "$build/ma2d3d" "$scena" "$codice")
m_base=$(picco "$build/bench/base_fscanf" "$scena")
awk -v b="$byte" -v c="$t_cat" -v m="$t_ma" -v f="$t_base" -v mm="$m_ma" -v mf="$m_base" 'BEGIN {
  mibs = b / 1048576
  printf "scene: %.1f MiB, best of 5 runs\n", mibs
  printf "%-22s %8.3f s %9.1f MiB/s\n", "cat FILE >/dev/null", c, mibs / c
  printf "%-22s %8.3f s %9.1f MiB/s   peak RSS %s KiB\n", "ma2d3d", m, mibs / m, mm
  printf "%-22s %8.3f s %9.1f MiB/s   peak RSS %s KiB\n", "fscanf(\"%s\") loop", f, mibs / f, mf
  printf "ma2d3d / cat:    %.2f (at most 3)\n", m / c
  printf "fscanf / ma2d3d: %.1f (at least 10)\n", f / m
}'
