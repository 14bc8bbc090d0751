#!/bin/sh
# The example project (its lights by ma2d3d-luci) outside this tree, as a user builds it: against the
# installed package (installed into one prefix, then moved to another), and
# with the converter built from source by add_subdirectory; with every CMake
# generator at hand (Unix Makefiles, and Ninja when installed); and through
# MA2D3D_CONVERTITORE_LUCI with a converter that fails half-way. Each time:
# the light code is generated while the program builds and the program prints
# the scene's lights; a second build converts nothing; an edited scene, or a
# changed converter, is converted again; and a conversion that fails (the
# scene replaced by a folder) fails the build, and fails it again on the next
# build, until the scene is mended. Then the two-scene project of scene.sh,
# from the package and from source.
# usage: progetto.sh SOURCE_DIR BUILD_DIR
set -u
sorgenti=$(cd "$1" && pwd); build=$(cd "$2" && pwd)
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
fallimenti=0
fallito() { echo "FAILED: $*"; fallimenti=$((fallimenti + 1)); }

cmake --install "$build" --prefix "$lavoro/primo" > /dev/null || { echo "install failed"; exit 1; }
mv "$lavoro/primo" "$lavoro/prefisso"  # the package must not remember where it was installed

generatori="Unix Makefiles"
command -v ninja > /dev/null 2>&1 && generatori="$generatori
Ninja"

costruisci() {  # build the project; its output goes to costruzione.txt
  cmake --build "$b" > "$lavoro/costruzione.txt" 2>&1
}
converte() { grep -q "Generating stanza_luci.h" "$lavoro/costruzione.txt"; }

prova() {  # NAME then the configure options
  nome=$1; shift
  progetto=$lavoro/progetto-$n; b=$lavoro/b-$n
  cp -r "$sorgenti/examples/progetto" "$progetto"
  if ! cmake -S "$progetto" -B "$b" -G "$generatore" "$@" > "$lavoro/configura.txt" 2>&1; then
    fallito "$nome: configure"; cat "$lavoro/configura.txt"; return
  fi
  costruisci || { fallito "$nome: first build"; tail -20 "$lavoro/costruzione.txt"; return; }
  converte || fallito "$nome: the first build did not convert the scene"
  "$b/stanza" > "$lavoro/uscita.txt" 2>&1
  cmp -s "$lavoro/uscita.txt" "$sorgenti/tests/pacchetto/stanza.atteso" ||
    fallito "$nome: the program printed $(cat "$lavoro/uscita.txt")"
  costruisci && ! converte || fallito "$nome: a build with nothing changed converted again"

  sleep 1  # a newer time stamp on every file system
  sed -i 's/setAttr ".ca" 50;/setAttr ".ca" 55;/' "$progetto/stanza.ma"
  costruisci && converte || fallito "$nome: the edited scene was not converted again"
  "$b/stanza" | grep -q "theta 55 phi 65," || fallito "$nome: the edited scene's cone is not in the program"

  if [ -n "${convertitore:-}" ]; then
    sleep 1; touch "$convertitore"
    costruisci && converte || fallito "$nome: a changed converter did not convert again"
  fi

  mv "$progetto/stanza.ma" "$lavoro/stanza.ma"; mkdir "$progetto/stanza.ma"
  costruisci && fallito "$nome: a failing conversion did not fail the build"
  grep -q "Impossibile aprire il file" "$lavoro/costruzione.txt" || fallito "$nome: no message from the converter"
  costruisci && fallito "$nome: the second build after a failing conversion succeeded"
  rmdir "$progetto/stanza.ma"; mv "$lavoro/stanza.ma" "$progetto/stanza.ma"; touch "$progetto/stanza.ma"
  costruisci && converte || fallito "$nome: the mended scene did not build"
}

# A converter that, given a folder for a scene, writes part of a header
# before it fails, as a full disk would leave it.
cat > "$lavoro/converte_a_meta.sh" <<FINE
#!/bin/sh
if [ -d "\$1" ]; then echo "/* Luci" > "\$2"; echo "Impossibile aprire il file \$1 "; exit 1; fi
exec "$lavoro/prefisso/bin/ma2d3d-luci" "\$@"
FINE
chmod +x "$lavoro/converte_a_meta.sh"

n=0
while IFS= read -r generatore; do
  n=$((n + 1)); convertitore=$lavoro/prefisso/bin/ma2d3d-luci
  prova "package, $generatore" -DCMAKE_PREFIX_PATH="$lavoro/prefisso"
  n=$((n + 1)); convertitore=
  prova "add_subdirectory, $generatore" -DLUCI_DA_SORGENTE="$sorgenti" -DCMAKE_BUILD_TYPE=Release
  n=$((n + 1)); convertitore=$lavoro/converte_a_meta.sh
  prova "MA2D3D_CONVERTITORE_LUCI failing half-way, $generatore" -DCMAKE_PREFIX_PATH="$lavoro/prefisso" \
    -DMA2D3D_CONVERTITORE_LUCI="$convertitore"
done <<FINE
$generatori
FINE
# The two-scene project, from the moved package and from source.
sh "$sorgenti/tests/pacchetto/scene.sh" "$sorgenti" -DCMAKE_PREFIX_PATH="$lavoro/prefisso" ||
  fallito "two scenes, package"
sh "$sorgenti/tests/pacchetto/scene.sh" "$sorgenti" -DLUCI_DA_SORGENTE="$sorgenti" -DCMAKE_BUILD_TYPE=Release ||
  fallito "two scenes, add_subdirectory"
echo "$fallimenti failed"
[ "$fallimenti" = 0 ]
