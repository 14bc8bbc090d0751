#!/bin/sh
# ma2d3d-luci's command line and files: usage, a scene that cannot be opened
# or is a Maya binary scene, a header path that is the scene or another
# scene, a header that cannot be created, and a write that fails part-way,
# which must leave an existing header as it was and no temporary file; more
# nodes than a block of records holds; the arrays' name from the header's
# file name.
# usage: file.sh lf|crlf COMMAND...
set -u
ulimit -t 60 2>/dev/null
fine_riga=$1; shift
casi=$(cd "$(dirname "$0")/casi" && pwd)
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro" || exit 1
fallimenti=0
fallito() { echo "FAILED: $*"; fallimenti=$((fallimenti + 1)); }
converti() {
  "$@" > console.raw 2> errori.txt
  stato=$?
  tr -d '\r' < console.raw > console
}
# The run failed with the one line given, and left the folder as listed.
rifiutato() {  # MESSAGE FILES-LEFT DESCRIPTION
  [ "$stato" = 1 ] || fallito "$3: exit $stato"
  printf '%s\n' "$1" | cmp -s - console || fallito "$3: console was '$(cat console)'"
  rm -f console console.raw errori.txt
  [ "$(ls | tr '\n' ' ')" = "$2" ] || fallito "$3: the folder holds $(ls | tr '\n' ' ')"
}

mkdir uso && cd uso || exit 1
converti "$@"
rifiutato "Uso: ma2d3d-luci scena.ma file_codice" "" "no arguments"
cp "$casi/radianti.ma" a.ma
converti "$@" a.ma a.ma luci.h
rifiutato "Uso: ma2d3d-luci scena.ma file_codice" "a.ma " "three arguments"
converti "$@" manca.ma luci.h
rifiutato "Impossibile aprire il file manca.ma " "a.ma " "a missing scene"
printf 'FOR4\0\0\0\0' > b.mb
converti "$@" b.mb luci.h
rifiutato "Il file b.mb e' una scena Maya binaria, non ASCII: non la converto " "a.ma b.mb " "a binary scene"
converti "$@" a.ma ./a.ma
rifiutato "Il file ./a.ma e' la scena stessa: non lo sovrascrivo " "a.ma b.mb " "the scene as the header"
cp a.ma c.ma
converti "$@" a.ma c.ma
rifiutato "Il file c.ma e' una scena Maya: non lo sovrascrivo " "a.ma b.mb c.ma " "another scene as the header"
cmp -s a.ma c.ma || fallito "another scene as the header: it changed"
converti "$@" a.ma nessuna/luci.h
rifiutato "Impossibile aprire il file nessuna/luci.h " "a.ma b.mb c.ma " "a header in a missing folder"
cd .. || exit 1

# A write that fails part-way (a file size limit, its signal ignored): the
# header that was there stays as it was, and no temporary file is left.
mkdir limite && cd limite || exit 1
i=0; : > tante.ma
while [ $i -lt 300 ]; do
  i=$((i + 1))
  printf 'createNode transform -n "t%d";\ncreateNode pointLight -n "p%d" -p "t%d";\n' $i $i $i >> tante.ma
done
# Each node looked up again under a parent it does not have, selecting
# nothing: every lookup walks the names' index to the end of its bucket,
# after the index has grown past its first size (a node indexed twice as it
# grew would send its own lookup round for ever).
i=0
while [ $i -lt 300 ]; do
  i=$((i + 1))
  printf 'select -ne "|nessuno|t%d";\nselect -ne "|nessuno|p%d";\n' $i $i >> tante.ma
done
printf 'una intestazione di prima\n' > luci.h
# The console goes through a pipe, out of the limit's reach; so does, in a
# coverage build, the profile the program writes as it exits (elsewhere
# GCOV_PREFIX means nothing).
(trap '' XFSZ; ulimit -f 20; GCOV_PREFIX="$lavoro/profilo" "$@" tante.ma luci.h 2> errori.txt; echo $? > stato.txt) |
  cat > console.raw
stato=$(cat stato.txt)
[ "$stato" = 1 ] || fallito "file size limit: exit $stato"
[ "$(tail -n 1 console.raw | tr -d '\r')" = "Impossibile scrivere sul file luci.h " ] ||
  fallito "file size limit: console ends with '$(tail -n 1 console.raw)'"
[ "$(cat luci.h)" = "una intestazione di prima" ] || fallito "file size limit: the old header changed"
[ "$(ls | tr '\n' ' ')" = "console.raw errori.txt luci.h stato.txt tante.ma " ] ||
  fallito "file size limit: the folder holds $(ls | tr '\n' ' ')"
# The whole run replaces it, and names 300 lights.
converti "$@" tante.ma luci.h
[ "$stato" = 0 ] || fallito "300 lights: exit $stato"
grep -q '^static const unsigned luci_numero = 300;' luci.h || fallito "300 lights: not 300 in the header"
[ "$(grep -c '^Scritta la luce puntiforme |t[0-9]*|p[0-9]*$' console)" = 300 ] || fallito "300 lights: console"
cd .. || exit 1

# More nodes than one block of records holds (131,072), the later blocks in
# large pages where the system has them: a light under the first node and
# one under a node past the first block, each named from behind the newest
# nodes, so found through the index of names, which then spans both blocks.
mkdir blocchi && cd blocchi || exit 1
awk 'BEGIN {
  print "createNode transform -n \"primo\";"; print "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;"
  for (i = 0; i < 140000; i++) printf "createNode transform -n \"t%d\";\n", i
  print "\tsetAttr \".t\" -type \"double3\" 4 5 6 ;"
  for (i = 0; i < 20; i++) printf "createNode transform -n \"dopo%d\";\n", i
  print "createNode pointLight -n \"luceA\" -p \"primo\";"
  print "createNode pointLight -n \"luceB\" -p \"t139999\";"
}' > molti.ma
converti "$@" molti.ma luci.h
[ "$stato" = 0 ] || fallito "two blocks: exit $stato"
printf 'Scritta la luce puntiforme |primo|luceA\nScritta la luce puntiforme |t139999|luceB\n' | cmp -s - console ||
  fallito "two blocks: console was '$(cat console)'"
[ "$(tr -d '\r' < luci.h | grep 'Position' | tr -d ' ')" = "$(printf '{1.0f,2.0f,3.0f},/*Position*/\n{4.0f,5.0f,6.0f},/*Position*/')" ] ||
  fallito "two blocks: positions $(grep Position luci.h)"
cd .. || exit 1

# The arrays' name from the header's file name.
cp "$casi/senza_luci.ma" s.ma
for coppia in "luci.h:luci" "sala 2.h:sala_2" "2d.luci.h:_2d" "nome-con.trattini.h:nome_con" "è.h:__"; do
  file=${coppia%%:*}; nome=${coppia#*:}
  converti "$@" s.ma "$file"
  grep -q "^static const unsigned ${nome}_numero = 0;" "$file" || fallito "header '$file': arrays not named $nome"
done

echo "$fallimenti failed"
[ "$fallimenti" = 0 ]
