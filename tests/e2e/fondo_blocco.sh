#!/bin/sh
# Node statements near the edges of a full block. Close together at the very
# end of a scene larger than one block: the last node starts a few dozen bytes before the end of the file,
# where the reader's buffer still holds bytes of the block before. Those bytes
# must never be read as the scene's. Each scene differs in how far the last
# statement runs past its name, which moves the end of the file against the
# node tokens before it.
# usage: fondo_blocco.sh lf|crlf COMMAND...
set -u
# A converter that loops (a slip in tests/mutanti.sh, say) fails here within a
# minute of processor time and 512 MB of output, instead of filling the disk.
ulimit -t 60 2>/dev/null
ulimit -f 1048576 2>/dev/null
fine_riga=$1; shift
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro" || exit 1
fallimenti=0

# What every one of these scenes converts to: the last node is the only
# light, and nothing follows its name.
printf '%s\n' '// Luci spot Direct3D 9 generate da una scena Maya ASCII' \
  'D3DLIGHT9 spotLight1;' \
  'ZeroMemory( &spotLight1, sizeof( D3DLIGHT9 ) );' \
  'spotLight1.Type = D3DLIGHT_SPOT;' \
  '' \
  'spotLight1.Attenuation0 = 1.0f;' \
  '' > codice.atteso
[ "$fine_riga" = crlf ] && sed -i 's/$/\r/' codice.atteso
printf '%s\n' 'Trovato un nuovo nodo:' '"spotLight1";' > console.atteso

# A first block of translate statements (whose numbers would show up in the
# code if they were read again), then four transform nodes a few dozen bytes
# apart, the last one a light whose statement ends the file after `spazi`
# spaces.
scena() {
  riempi='	setAttr ".t" -type "double3" 7 8 9 ;'
  printf '//Maya ASCII 2008 scene\n'
  awk -v r="$riempi" 'BEGIN { for (n = 24; n < 131100; n += length(r) + 1) print r }'
  printf 'createNode transform -n "z";\n\tsetAttr ".v" no;\n'
  printf '\tsetAttr ".o" -type "string" "filler line";\n'
  printf 'createNode transform -n "y";\n\tsetAttr ".v" no;\n\tsetAttr ".w" 1 ;\n'
  printf 'createNode transform -n "a";\n\tsetAttr ".v" no;\n\tsetAttr ".w" -type "double3" 1 2 3 4 5 6 7;\n'
  printf 'createNode transform -n "spotLight1";%*s\n' "$1" ''
}

for spazi in 0 4 8 12 16 20 24 28 32 40 48; do
  scena "$spazi" > scena.ma
  "$@" scena.ma luci.cpp > console.raw 2> errori.txt
  stato=$?
  tr -d '\r' < console.raw > console
  if [ "$stato" != 0 ] || ! cmp -s codice.atteso luci.cpp || ! cmp -s console.atteso console; then
    echo "FAILED: last statement with $spazi spaces after the name: exit $stato"
    fallimenti=$((fallimenti + 1))
  fi
done
# Node statements at the edges of a full block: the first block ends a few
# dozen bytes into a statement's name, so that the refill moves the bytes
# while the region ahead of the last node found still stands where they
# were; a stale region would be searched there and a node passed over. The
# last statements end the file: two lights, the first handing the second's
# createNode on.
righe() { awk 'BEGIN { for (i = 0; i < 4096; i++) print "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" }'; }
sopra() { printf "$2" | dd of=regione.ma bs=1 seek="$1" conv=notrunc 2>/dev/null; }
righe | head -c 262083 > regione.ma
sopra 0 '//Maya ASCII 2008 scene\n'
sopra 130899 '\ncreateNode mesh -n "m1";\n'
sopra 130983 'c'
sopra 261981 '\ncreateNode mesh -n "m2";\ncreateNode transform -n "spotLight1";\ncreateNode transform -n "spotLight2";\n'
{ cat codice.atteso; sed -n '2,$p' codice.atteso | sed 's/spotLight1/spotLight2/g'; } > regione.atteso
{ cat console.atteso; sed 's/spotLight1/spotLight2/' console.atteso; } > regione.console
"$@" regione.ma luci.cpp > console.raw 2> errori.txt
stato=$?
tr -d '\r' < console.raw > console
if [ "$stato" != 0 ] || ! cmp -s regione.atteso luci.cpp || ! cmp -s regione.console console; then
  echo "FAILED: nodes at the edges of a full block: exit $stato"; cat console
  fallimenti=$((fallimenti + 1))
fi

[ "$fallimenti" = 0 ] && echo "all passed"
[ "$fallimenti" = 0 ]
