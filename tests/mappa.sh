#!/bin/sh
# ARCHITECTURE.md names files and code: every path it gives between
# backquotes must exist, and every name of code (a word of letters, digits and
# underscores) must still be spelled somewhere in the sources, so that the map
# cannot keep a name that the code has dropped.
# usage: mappa.sh SOURCE_DIR
set -u
cd "$1" || exit 1
mancanti=0
for voce in $(grep -o '`[^` ]*`' ARCHITECTURE.md | tr -d '`' | sort -u); do
  case "$voce" in
    */* | *.cpp | *.h | *.md | *.sh | *.cmake | *.rc | *.manifest)
      percorso=${voce%%,*}
      [ -e "$percorso" ] || [ -e "src/$percorso" ] || [ -e "src/scanner/$percorso" ] ||
        [ -e "src/driver/$percorso" ] || [ -e "src/output/$percorso" ] || [ -e "src/luci/$percorso" ] ||
        [ -e "src/scanner/flusso/$percorso" ] || [ -e "debian/$percorso" ] ||
        { echo "no file: $voce"; mancanti=$((mancanti + 1)); } ;;
    *[!A-Za-z0-9_]* | '') ;;
    *)
      grep -rqw -- "$voce" src include cmake debian tests/CMakeLists.txt CMakeLists.txt ||
        { echo "no longer in the code: $voce"; mancanti=$((mancanti + 1)); } ;;
  esac
done
[ "$mancanti" = 0 ] && echo "every file and name the map gives is there"
