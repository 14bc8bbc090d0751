#!/bin/sh
# One end-to-end case: converts SCENE and compares the code file with
# EXPECTED_CODE and the console with EXPECTED_CONSOLE (empty when the file is
# absent), byte for byte; the run must exit 0 and write nothing on standard
# error. With crlf, the code file must end its lines with CR LF, as Windows'
# text streams write them.
# usage: caso.sh lf|crlf SCENE EXPECTED_CODE EXPECTED_CONSOLE COMMAND...
set -u
# A converter that loops (a slip in tests/mutanti.sh, say) fails here within a
# minute of processor time and 512 MB of output, instead of filling the disk.
ulimit -t 60 2>/dev/null
ulimit -f 1048576 2>/dev/null
fine_riga=$1; scena=$2; atteso=$3; console=$4; shift 4
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cp "$scena" "$lavoro/scena.ma"
(cd "$lavoro" && "$@" scena.ma luci.cpp > console.raw 2> errori.txt; echo $? > stato.txt)

esito=0
if [ "$(cat "$lavoro/stato.txt")" != 0 ]; then
  echo "exit status $(cat "$lavoro/stato.txt"), expected 0"; esito=1
fi
if [ "$fine_riga" = crlf ]; then
  sed 's/$/\r/' "$atteso" > "$lavoro/atteso"
else
  cp "$atteso" "$lavoro/atteso"
fi
if ! cmp -s "$lavoro/atteso" "$lavoro/luci.cpp"; then
  echo "code file differs:"; diff "$lavoro/atteso" "$lavoro/luci.cpp" | head -40; esito=1
fi
tr -d '\r' < "$lavoro/console.raw" > "$lavoro/console"
if [ -f "$console" ]; then cp "$console" "$lavoro/console.atteso"; else : > "$lavoro/console.atteso"; fi
if ! cmp -s "$lavoro/console.atteso" "$lavoro/console"; then
  echo "console differs:"; diff "$lavoro/console.atteso" "$lavoro/console" | head -40; esito=1
fi
if [ -s "$lavoro/errori.txt" ] && [ "$fine_riga" = lf ]; then
  echo "standard error is not empty:"; head -20 "$lavoro/errori.txt"; esito=1
fi
exit $esito
