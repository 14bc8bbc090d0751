#!/bin/sh
# The scanner's keywords are spelled once, in src/scanner/parole.h; the
# fuzzer's dictionary must hold each of them as that list spells it (both
# write a keyword as a C string literal).
# usage: parole.sh SOURCE_DIR
set -u
cd "$1" || exit 1
elenco=$(grep -o 'X([A-Z_0-9]*, ".*", [0-9]*)' src/scanner/parole.h | sed 's/^X([A-Z_0-9]*, \(".*"\), [0-9]*)$/\1/')
[ -n "$elenco" ] || { echo "no keyword list in src/scanner/parole.h"; exit 1; }
mancanti=0
echo "$elenco" | while IFS= read -r parola; do
  grep -qxF -- "$parola" fuzz/parole.dict || { echo "not in fuzz/parole.dict: $parola"; exit 1; }
done || mancanti=1
[ "$mancanti" = 0 ] && echo "$(echo "$elenco" | wc -l) keywords, each in the fuzzer's dictionary"
