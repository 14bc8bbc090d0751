#!/bin/sh
# One end-to-end case: converts CASE.ma and compares the code file with
# CASE.atteso, the console with CASE.console (empty when absent) and the exit
# status with CASE.stato (0 when absent), byte for byte.
# CASE.crlf.atteso and CASE.crlf.console, where present, hold what differs on
# Windows, whose text streams end the input at Ctrl-Z.
# usage: caso.sh lf|crlf CASE COMMAND...
set -u
fine_riga=$1; caso=$2; shift 2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cp "$caso.ma" "$lavoro/scena.ma"
(cd "$lavoro" && "$@" scena.ma luci.cpp > console.raw 2>errori.txt; echo $? > stato.txt)

atteso_stato=0
[ -f "$caso.stato" ] && atteso_stato=$(cat "$caso.stato")
esito=0
if [ "$(cat "$lavoro/stato.txt")" != "$atteso_stato" ]; then
  echo "exit status $(cat "$lavoro/stato.txt"), expected $atteso_stato"; esito=1
fi
# Text-mode streams on Windows end lines with CR LF, in the code file and on
# the console alike.
atteso=$caso.atteso; console=$caso.console
[ -f "$caso.$fine_riga.atteso" ] && atteso=$caso.$fine_riga.atteso
[ -f "$caso.$fine_riga.console" ] && console=$caso.$fine_riga.console
if [ "$fine_riga" = crlf ]; then
  sed 's/$/\r/' "$atteso" > "$lavoro/atteso"
  tr -d '\r' < "$lavoro/console.raw" > "$lavoro/console"
else
  cp "$atteso" "$lavoro/atteso"
  cp "$lavoro/console.raw" "$lavoro/console"
fi
if ! cmp -s "$lavoro/atteso" "$lavoro/luci.cpp"; then
  echo "code file differs:"; diff "$lavoro/atteso" "$lavoro/luci.cpp" | head -40; esito=1
fi
if [ -f "$console" ]; then cp "$console" "$lavoro/console.atteso"; else : > "$lavoro/console.atteso"; fi
if ! cmp -s "$lavoro/console.atteso" "$lavoro/console"; then
  echo "console differs:"; diff "$lavoro/console.atteso" "$lavoro/console" | head -40; esito=1
fi
if [ -s "$lavoro/errori.txt" ] && [ "$fine_riga" = lf ]; then
  echo "standard error is not empty:"; head -20 "$lavoro/errori.txt"; esito=1
fi
exit $esito
