#!/bin/sh
# The token stream's folder has one interface: outside src/scanner/flusso/,
# no source of the program includes any of its files but flusso.h. And the
# stages include one way, down: nothing in src/output/ includes the driver or
# the scanner, nothing in src/scanner/ includes the driver.
# usage: interfaccia.sh SOURCE_DIR
set -u
cd "$1/src" || exit 1
fuori=$(grep -rn '#include "[^"]*flusso/' --include='*.h' --include='*.cpp' . | grep -v '^\./scanner/flusso/' |
        grep -v 'flusso/flusso\.h"')
if [ -n "$fuori" ]; then
  echo "included from outside the stream's folder:"; echo "$fuori"; exit 1
fi
su=$(grep -rn '#include "[^"]*\(driver\|scanner\)/' output | sed 's|^|output/|'
    grep -rn '#include "[^"]*driver/' scanner | sed 's|^|scanner/|')
if [ -n "$su" ]; then
  echo "included against the stages' order:"; echo "$su"; exit 1
fi
echo "only flusso.h is included from outside the stream's folder, and stages include one way"
