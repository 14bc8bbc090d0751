#!/bin/sh
# The program's files call each other one way only: from the object files of
# src/ (driver, scanner, stream, writer), an edge A -> B for every symbol A
# uses that B defines, and tsort must find no loop among them (a handler
# calling back into the dispatcher that calls it, or the writer reaching back
# into the driver, say). Prints the edges.
# usage: senso_unico.sh OBJECT...
set -u
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
for o in "$@"; do
  case "$o" in */src/*) ;; *) continue ;; esac
  n=$(basename "$o" .o)
  nm --defined-only "$o" | awk -v f="$n" '$2 ~ /^[TDBRC]$/ { print $3, f }' >> "$lavoro/definiti"
  nm -u "$o" | awk -v f="$n" '{ print $2, f }' >> "$lavoro/usati"
done
sort -o "$lavoro/definiti" "$lavoro/definiti"
sort -o "$lavoro/usati" "$lavoro/usati"
# symbol user, joined with symbol definer: "user definer" pairs.
join "$lavoro/usati" "$lavoro/definiti" | awk '{ print $2, $3 }' | sort -u > "$lavoro/archi"
[ -s "$lavoro/archi" ] || { echo "no references found between the program's objects"; exit 1; }
sed 's/ / -> /' "$lavoro/archi"
if ! tsort "$lavoro/archi" > /dev/null 2> "$lavoro/cicli"; then
  cat "$lavoro/cicli"; exit 1
fi
if [ -s "$lavoro/cicli" ]; then
  echo "calls run in a circle:"; cat "$lavoro/cicli"; exit 1
fi
echo "one way"
