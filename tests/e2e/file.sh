#!/bin/sh
# The command line and the files around a conversion: usage, files that cannot
# be opened, read or written, the code file's creation, truncation and mode,
# a code path that is the scene itself, and inputs no scene should hold.
# usage: file.sh lf|crlf COMMAND...
set -u
# A converter that loops (a slip in tests/mutanti.sh, say) fails here within a
# minute of processor time and 512 MB of output, instead of filling the disk.
ulimit -t 60 2>/dev/null
ulimit -f 1048576 2>/dev/null
fine_riga=$1; shift
casi=$(cd "$(dirname "$0")/casi" && pwd)
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro" || exit 1
fallimenti=0
BANNER='// Luci spot Direct3D 9 generate da una scena Maya ASCII'

fallito() { echo "FAILED: $*"; fallimenti=$((fallimenti + 1)); }

# Runs the converter; leaves its console (CR dropped) in `console` and its
# exit status in `stato`.
converti() {
  "$@" > console.raw 2> errori.txt
  stato=$?
  tr -d '\r' < console.raw > console
}

# Compares `console` with the text given (a final line end is added).
console_e() {
  printf '%s\n' "$1" > console.atteso
  cmp -s console.atteso console || fallito "$2: console was '$(cat console)', expected '$1'"
}

# The code file $1 holds exactly the banner and then the text of file $2.
solo_banner() {
  printf '%s\n' "$BANNER" > codice.atteso
  [ "$fine_riga" = crlf ] && sed -i 's/$/\r/' codice.atteso
  cmp -s codice.atteso "$1" || fallito "$2: code file is not the banner alone"
}

# Usage: fewer than two arguments touch no file.
mkdir vuota && cd vuota || exit 1
converti "$@"
[ "$stato" = 1 ] || fallito "no arguments: exit $stato"
console_e "Uso: ma2d3d scena.ma file_codice" "no arguments"
: > scena.ma
converti "$@" scena.ma
[ "$stato" = 1 ] || fallito "one argument: exit $stato"
console_e "Uso: ma2d3d scena.ma file_codice" "one argument"
[ "$(ls | tr '\n' ' ')" = "console console.atteso console.raw errori.txt scena.ma " ] || fallito "usage left files: $(ls)"
cd .. || exit 1

# More than two arguments: the usage, and no file opened, created or changed.
# With a wildcard (expanded by the shell here, by the program's own start-up
# code on Windows) the second scene would otherwise be overwritten.
mkdir scene && cd scene || exit 1
cp "$casi/luce_completa.ma" a.ma
cp "$casi/luce_completa.ma" b.ma
for argomenti in "a.ma b.ma tutte.cpp" "a.ma b.ma c.ma tutte.cpp" "*.ma tutte.cpp"; do
  if [ "$fine_riga" = crlf ]; then
    set -f; converti "$@" $argomenti; set +f
  else
    converti "$@" $argomenti
  fi
  [ "$stato" = 1 ] || fallito "arguments $argomenti: exit $stato"
  console_e "Uso: ma2d3d scena.ma file_codice" "arguments $argomenti"
  [ -e tutte.cpp ] && fallito "arguments $argomenti: a code file was created"
  cmp -s a.ma "$casi/luce_completa.ma" && cmp -s b.ma "$casi/luce_completa.ma" ||
    fallito "arguments $argomenti: a scene was changed"
  rm -f tutte.cpp
done

# A code path naming another scene (a file that opens with the Maya ASCII
# header) is refused and left as it was; `ma2d3d *.ma` in a folder of two
# scenes names the second. A file with less of the header is converted over.
if [ "$fine_riga" = crlf ]; then
  set -f; converti "$@" *.ma; set +f
else
  converti "$@" *.ma
fi
[ "$stato" = 1 ] || fallito "two scenes by a wildcard: exit $stato"
console_e "Il file b.ma e' una scena Maya: non lo sovrascrivo " "two scenes by a wildcard"
cmp -s b.ma "$casi/luce_completa.ma" || fallito "two scenes by a wildcard: the second scene was changed"
for testa in '//Maya ASCII' '//Maya ASCII 2018 scene\n' '//Maya ASCII\0'; do
  printf "$testa" > altra.ma; cp altra.ma altra.prima
  converti "$@" a.ma altra.ma
  [ "$stato" = 1 ] || fallito "code path opening with '$testa': exit $stato"
  console_e "Il file altra.ma e' una scena Maya: non lo sovrascrivo " "code path opening with '$testa'"
  cmp -s altra.ma altra.prima || fallito "code path opening with '$testa': the file was changed"
done
for testa in '//Maya ASCI' '//Maya ASCIX' '//Maya BINARY' ' //Maya ASCII' '//maya ascii 2018'; do
  printf "$testa" > altro.cpp
  converti "$@" a.ma altro.cpp
  [ "$stato" = 0 ] || fallito "code path opening with '$testa': exit $stato"
  head -n 1 altro.cpp | tr -d '\r' | grep -qx "$BANNER" || fallito "code path opening with '$testa': not converted over"
done
cd .. || exit 1

# A Maya binary scene (an IFF file, FOR4 or FOR8 first) is refused before
# the code file is created or touched; any other first bytes are read as a
# scene's, which these hold nothing of.
for testa in FOR4 FOR8; do
  printf "$testa"'\000\000\000\020CAT4\n' > binaria.mb
  converti "$@" binaria.mb nuova.cpp
  [ "$stato" = 1 ] || fallito "binary scene $testa: exit $stato"
  console_e "Il file binaria.mb e' una scena Maya binaria, non ASCII: non la converto " "binary scene $testa"
  [ -e nuova.cpp ] && fallito "binary scene $testa: a code file was created"
  printf 'old line\n' > vecchia.cpp
  converti "$@" binaria.mb vecchia.cpp
  [ "$(cat vecchia.cpp)" = "old line" ] || fallito "binary scene $testa: the existing code file was touched"
done
for testa in 'FOR' 'FOR5' ' FOR4' 'FORM' 'for4' 'xFOR8'; do
  printf "$testa" > quasi.mb
  converti "$@" quasi.mb quasi.cpp
  [ "$stato" = 0 ] || fallito "scene opening with '$testa': exit $stato"
  solo_banner quasi.cpp "scene opening with '$testa'"
done

# A missing scene: the path as typed, nothing created.
converti "$@" nope.ma luci.cpp
[ "$stato" = 1 ] || fallito "missing scene: exit $stato"
console_e "Impossibile aprire il file nope.ma " "missing scene"
[ -e luci.cpp ] && fallito "missing scene: a code file was created"

# A scene that is a directory opens on some systems but cannot be read.
mkdir cartella
converti "$@" cartella luci.cpp
[ "$stato" = 1 ] || fallito "directory scene: exit $stato"
console_e "Impossibile aprire il file cartella " "directory scene"
[ -e luci.cpp ] && fallito "directory scene: a code file was created"

# A code path that cannot be created.
: > vuota.ma
converti "$@" vuota.ma cartella
[ "$stato" = 1 ] || fallito "code path is a directory: exit $stato"
console_e "Impossibile aprire il file cartella " "code path is a directory"

# An existing code file is truncated.
printf 'old line\n%.0s' $(seq 1 200) > luci.cpp
converti "$@" vuota.ma luci.cpp
[ "$stato" = 0 ] || fallito "truncation: exit $stato"
solo_banner luci.cpp "truncation"

# A code path naming the scene, however spelled, is refused and the scene
# stays byte for byte as it was.
cp "$casi/luce_completa.ma" x.ma
ln -s x.ma collegamento.ma 2>/dev/null
ln x.ma fisso.ma 2>/dev/null
for percorso in x.ma ./x.ma collegamento.ma fisso.ma; do
  [ -e "$percorso" ] || continue
  converti "$@" x.ma "$percorso"
  [ "$stato" = 1 ] || fallito "same file $percorso: exit $stato"
  console_e "Il file $percorso e' la scena stessa: non lo sovrascrivo " "same file $percorso"
  cmp -s x.ma "$casi/luce_completa.ma" || fallito "same file $percorso: the scene was changed"
done

# Paths in any script: a scene and a code file in a folder whose name holds
# Japanese and accented letters, named whole and by a wildcard that the
# program's start-up code expands on Windows. Wine hands the arguments over
# through its own locale, which must be a UTF-8 one.
(
  export LC_ALL=C.UTF-8
  cartella='シーン è ü'
  mkdir "$cartella" && cp "$casi/luce_completa.ma" "$cartella/光 è.ma" || exit 1
  converti "$@" "$cartella/光 è.ma" "$cartella/光.cpp"
  [ "$stato" = 0 ] || fallito "path outside the code page: exit $stato ($(cat console))"
  cmp -s "$cartella/光.cpp" "$casi/luce_completa.atteso" ||
    { [ "$fine_riga" = crlf ] && sed 's/$/\r/' "$casi/luce_completa.atteso" | cmp -s - "$cartella/光.cpp"; } ||
    fallito "path outside the code page: code file differs"
  [ "$fine_riga" = crlf ] && set -f
  converti "$@" "$cartella"/光*.ma "$cartella/光 ü.cpp"
  set +f
  [ "$stato" = 0 ] || fallito "wildcard outside the code page: exit $stato ($(cat console))"
  cmp -s "$cartella/光.cpp" "$cartella/光 ü.cpp" || fallito "wildcard outside the code page: code file differs"
  exit "$fallimenti"
) || fallimenti=$((fallimenti + 1))

# A token of 700000 characters, glued to a light's name, and NUL bytes.
awk 'BEGIN { s = "x"; while (length(s) < 700000) s = s s; printf "createNode transform -n \"spotLight%s\";\n", substr(s, 1, 700000) }' > lungo.ma
printf '\tsetAttr ".t" -type "double3" 0 5 0 ;\n\tsetAttr ".r" -type "double3" 0 0 0 ;\n' >> lungo.ma
printf 'createNode spotLight -n "s";\n\tsetAttr ".ca" 3;\n' >> lungo.ma
converti "$@" lungo.ma luci.cpp
[ "$stato" = 0 ] || fallito "long token: exit $stato"
[ "$(sed -n 2p console | wc -c)" = 500000 ] || fallito "long token: the name is not cut to 499999 characters"
grep -q '^spotLight1.Range = 3.000000f;' luci.cpp || fallito "long token: the light after it was lost"
head -c 300000 /dev/urandom > rumore.ma
printf '\0\0createNode\0 spotLight\0\0\0\377\376' >> rumore.ma
head -c 300000 /dev/urandom >> rumore.ma
converti "$@" rumore.ma luci.cpp
[ "$stato" = 0 ] || fallito "binary garbage: exit $stato"
head -n 1 luci.cpp | tr -d '\r' | grep -qx "$BANNER" || fallito "binary garbage: no banner"

if [ "$fine_riga" = lf ]; then
  # Mode 0700 for a new code file, before the umask.
  (umask 0; "$@" vuota.ma nuovo.cpp > /dev/null)
  [ "$(stat -c %a nuovo.cpp)" = 700 ] || fallito "mode of a new code file is $(stat -c %a nuovo.cpp)"

  # A full disk: the failed writes are reported, not hidden.
  if [ -w /dev/full ]; then
    converti "$@" "$casi/luce_completa.ma" /dev/full
    [ "$stato" = 1 ] || fallito "full disk: exit $stato"
    console_e "$(printf 'Trovato un nuovo nodo:\n"spotLight1";\nImpossibile scrivere sul file /dev/full ')" "full disk"
  fi

  # A disk that fills part-way through a long code file (here a file size
  # limit, with the signal it raises ignored): whatever the converter holds
  # back in its own buffer, the failure is reported, and what was written is
  # the start of the code file the whole run would have written.
  #
  # The whole run first: 400 copies of one light's scene give a code file of
  # about 170 KiB, far past the writer's 64 KiB buffer, and its expected text
  # comes from a rule that owes nothing to the writer: the one light's
  # expected code and console, each copy under its own number.
  i=0; : > luci_tante.ma; printf '%s\n' "$BANNER" > tante.atteso; : > tante.console
  while [ $i -lt 400 ]; do
    i=$((i + 1))
    cat "$casi/luce_completa.ma" >> luci_tante.ma
    tail -n +2 "$casi/luce_completa.atteso" | sed "s/spotLight1\([.;,]\)/spotLight$i\1/g" >> tante.atteso
    cat "$casi/luce_completa.console" >> tante.console
  done
  [ "$fine_riga" = crlf ] && sed -i 's/$/\r/' tante.atteso
  converti "$@" luci_tante.ma intero.cpp
  [ "$stato" = 0 ] || fallito "400 lights: exit $stato"
  cmp -s tante.console console || fallito "400 lights: console differs"
  { [ "$(wc -c < tante.atteso)" -gt 131072 ] && cmp -s tante.atteso intero.cpp; } ||
    fallito "400 lights: the code file is not the one light's code 400 times ($(wc -c < intero.cpp) bytes)"
  (trap '' XFSZ; ulimit -f 100; "$@" luci_tante.ma parziale.cpp > console.raw 2> errori.txt; echo $? > stato.txt)
  stato=$(cat stato.txt)
  [ "$stato" = 1 ] || fallito "file size limit: exit $stato"
  [ "$(tail -n 1 console.raw)" = "Impossibile scrivere sul file parziale.cpp " ] ||
    fallito "file size limit: console ends with '$(tail -n 1 console.raw)'"
  scritti=$(wc -c < parziale.cpp)
  { [ "$scritti" -gt 0 ] && [ "$scritti" -lt "$(wc -c < intero.cpp)" ] &&
    head -c "$scritti" intero.cpp | cmp -s - parziale.cpp; } ||
    fallito "file size limit: the $scritti bytes written are not the start of the code file"
  : > errori.txt

  # The code never depends on the locale's decimal separator.
  for locale in it_IT.UTF-8 it_IT.utf8 de_DE.UTF-8 de_DE.utf8 fr_FR.UTF-8 fr_FR.utf8; do
    if locale -a 2>/dev/null | grep -qix "$(echo "$locale" | sed 's/UTF-8/utf8/')"; then
      LC_ALL=$locale converti "$@" "$casi/luce_completa.ma" luci.cpp
      cmp -s luci.cpp "$casi/luce_completa.atteso" || fallito "locale $locale changed the code file"
      break
    fi
  done
fi

[ -s errori.txt ] && [ "$fine_riga" = lf ] && fallito "standard error: $(head -5 errori.txt)"
echo "$fallimenti failed"
[ "$fallimenti" = 0 ]
