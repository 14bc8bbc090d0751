#!/bin/sh
# The example's Direct3D 9 program under Wine in a headless X server: every
# light of the generated header must go to SetLight and LightEnable with
# D3D_OK, and the picture must show what Direct3D 9's lighting gives for the
# scene's values (verifica_stanza). No X server, or no Direct3D 9 device, is
# a failure, never a skip.
# usage: stanza.sh GENERATED_CODE README_PICTURE EMULATOR PROGRAM CHECKER
set -u
codice=$1; riferimento=$2; emulatore=$3; programma=$4; verifica=$5
if ! command -v xvfb-run > /dev/null 2>&1; then
  echo "FAILED: xvfb-run is missing (Debian package xvfb): this test draws in a headless X server"
  exit 1
fi
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro" || exit 1

xvfb-run -a -s "-screen 0 1024x768x24 +extension GLX" "$emulatore" "$programma" stanza.png > console.raw 2> errori.txt
stato=$?
tr -d '\r' < console.raw > console
cat console
if [ "$stato" != 0 ]; then
  echo "FAILED: the program exited with status $stato"
  grep -v '^$' errori.txt | tail -n 20
  exit 1
fi

luci=$(tr -d '\r' < "$codice" | sed -n 's/^static const unsigned stanza_luci_numero = \([0-9]*\);$/\1/p')
accese=$(grep -c '^|[^ ]*: SetLight D3D_OK, LightEnable D3D_OK$' console)
if [ "$luci" = 0 ] || [ "$accese" != "$luci" ]; then
  echo "FAILED: $luci lights in the generated code, $accese handed to Direct3D 9 with D3D_OK"
  exit 1
fi
echo "$luci lights: SetLight and LightEnable gave D3D_OK"
"$emulatore" "$verifica" stanza.png "$riferimento" > verifica.raw 2>> errori.txt
stato=$?
tr -d '\r' < verifica.raw
exit $stato
