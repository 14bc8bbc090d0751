#!/usr/bin/env bash
# Instructions, counted by callgrind, for scenes of each of the five shapes
# bench/misura.sh times (MIB MiB each, the light-only scene as large): per
# node on the transform-dense shape, per light on the light-dense shape, and
# per MiB on every shape, each less what an empty scene costs. Counts do not
# depend on what else the machine is doing, so a limit on them is a guard
# that never fails by chance: with the limits given, the script exits 1 when
# a figure is above its limit.
# usage: bench/istruzioni.sh [BUILD_DIR [MIB [NODE_LIMIT LIGHT_LIMIT [MIB_LIMIT...]]]]
#   MIB_LIMIT is SHAPE=INSTRUCTIONS, for instructions per MiB of that shape.
set -euo pipefail
build=${1:-build}
mib=${2:-4}
limite_nodo=${3:-}
limite_luce=${4:-}
shift $(( $# < 4 ? $# : 4 ))
for p in ma2d3d bench/genera_scena bench/genera_forme; do
  [ -x "$build/$p" ] || { echo "build first: $build/$p is missing" >&2; exit 1; }
done
command -v valgrind > /dev/null || { echo "valgrind is needed (Debian package valgrind)" >&2; exit 1; }
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

# Instructions of one conversion.
conta() {
  valgrind --tool=callgrind --callgrind-out-file="$lavoro/cg.out" "$build/ma2d3d" "$1" "$lavoro/luci.cpp" \
    > /dev/null 2> "$lavoro/valgrind.txt" || { cat "$lavoro/valgrind.txt" >&2; exit 1; }
  awk '/^(summary|totals):/ { print $2; exit }' "$lavoro/cg.out"
}

: > "$lavoro/vuota.ma"
base=$(conta "$lavoro/vuota.ma")
fallimenti=0
printf "%-16s %10s %14s %16s %12s\n" shape MiB instructions per-MiB per-unit
for forma in maya connessioni trasformazioni c luci; do
  scena=$lavoro/$forma.ma
  if [ "$forma" = maya ]; then
    "$build/bench/genera_scena" "$mib" 1 > "$scena"
  else
    "$build/bench/genera_forme" "$forma" "$mib" > "$scena"
  fi
  istruzioni=$(( $(conta "$scena") - base ))
  byte=$(stat -c %s "$scena")
  nodi=$(grep -c createNode "$scena" || true)
  unita=""; per_unita=""
  case $forma in
    trasformazioni) unita=node; per_unita=$(( istruzioni / nodi )); limite=$limite_nodo ;;
    luci) unita=light; per_unita=$(( istruzioni / (nodi / 2) )); limite=$limite_luce ;;
    *) limite="" ;;
  esac
  per_mib=$(awk -v i="$istruzioni" -v b="$byte" 'BEGIN { printf "%d", i / (b / 1048576) }')
  printf "%-16s %10.2f %14d %16d %12s\n" "$forma" "$(awk -v b="$byte" 'BEGIN { print b / 1048576 }')" \
    "$istruzioni" "$per_mib" "${per_unita:+$per_unita per $unita}"
  if [ -n "$limite" ] && [ "$per_unita" -gt "$limite" ]; then
    echo "  above the limit of $limite per $unita"; fallimenti=$((fallimenti + 1))
  fi
  for voce in "$@"; do
    if [ "${voce%%=*}" = "$forma" ] && [ "$per_mib" -gt "${voce#*=}" ]; then
      echo "  above the limit of ${voce#*=} per MiB"; fallimenti=$((fallimenti + 1))
    fi
  done
done
echo "empty scene: $base instructions, left out of every figure above"
[ "$fallimenti" = 0 ]
