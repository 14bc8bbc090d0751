#!/bin/sh
# The two-scene project (tests/pacchetto/scene), with every CMake generator at
# hand, configured with the options given (the installed package, or the
# converter from source): both scenes, one of them made by the build, are
# converted and the program prints their lights; the variable holds both
# code files' paths; a change to what the made scene comes from is converted
# again; a missing scene and CODICE with two scenes stop the configuration;
# and installing the project installs only its own files.
# usage: scene.sh SOURCE_DIR CONFIGURE_OPTION...
set -u
sorgenti=$(cd "$1" && pwd); shift
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
fallimenti=0
fallito() { echo "FAILED: $*"; fallimenti=$((fallimenti + 1)); }

generatori="Unix Makefiles"
command -v ninja > /dev/null 2>&1 && generatori="$generatori
Ninja"

n=0
while IFS= read -r generatore; do
  n=$((n + 1)); nome="$generatore, $*"
  progetto=$lavoro/progetto-$n; b=$lavoro/b-$n
  mkdir -p "$progetto/tests/pacchetto" "$progetto/examples/progetto"
  cp -r "$sorgenti/tests/pacchetto/scene" "$progetto/tests/pacchetto/"
  cp -r "$sorgenti/examples/progetto/sostituto" "$progetto/examples/progetto/"
  p=$progetto/tests/pacchetto/scene
  if ! cmake -S "$p" -B "$b" -G "$generatore" "$@" > "$lavoro/configura.txt" 2>&1; then
    fallito "$nome: configure"; tail -20 "$lavoro/configura.txt"; continue
  fi
  cmake --build "$b" > "$lavoro/costruzione.txt" 2>&1 || { fallito "$nome: build"; tail -20 "$lavoro/costruzione.txt"; continue; }
  "$b/scene" | cmp -s - "$sorgenti/tests/pacchetto/scene.atteso" || fallito "$nome: the program printed $("$b/scene")"
  [ "$(cat "$b/codici.txt")" = "$b/ma2d3d_luci/scene/a_luci.inc;$b/ma2d3d_luci/scene/b_luci.inc" ] ||
    fallito "$nome: the variable holds '$(cat "$b/codici.txt")'"

  sleep 1  # a newer time stamp on every file system
  sed -i 's/setAttr ".ca" 30;/setAttr ".ca" 35;/' "$p/b.ma.in"
  cmake --build "$b" > "$lavoro/costruzione.txt" 2>&1 || fallito "$nome: build after b.ma.in changed"
  grep -q "Generating b_luci.inc" "$lavoro/costruzione.txt" || fallito "$nome: b.ma.in changed, b.ma not converted again"
  grep -q "Generating a_luci.inc" "$lavoro/costruzione.txt" && fallito "$nome: a.ma converted again with no change"
  "$b/scene" | grep -q "^b spotLight2: position 7 8 9, range 35$" || fallito "$nome: the changed value is not in the program"

  DESTDIR=$lavoro/installato-$n cmake --install "$b" --prefix /opt/scene > /dev/null ||
    fallito "$nome: cmake --install"
  installati=$(cd "$lavoro/installato-$n" && find . -type f | sort | tr '\n' ' ')
  [ "$installati" = "./opt/scene/bin/scene ./opt/scene/share/scene/a_luci.inc ./opt/scene/share/scene/b_luci.inc " ] ||
    fallito "$nome: installing the project installed $installati"

  for prova in scena_mancante codice_con_due_scene; do
    if cmake -S "$p" -B "$lavoro/errore-$n-$prova" -G "$generatore" "$@" -DPROVA=$prova > "$lavoro/errore.txt" 2>&1; then
      fallito "$nome: $prova did not stop the configuration"
    fi
    case $prova in
      scena_mancante) atteso="the scene manca.ma" ;;
      codice_con_due_scene) atteso="CODICE names the code file of one scene" ;;
    esac
    tr -s ' \n' '  ' < "$lavoro/errore.txt" | grep -q "$atteso" || { fallito "$nome: $prova said"; cat "$lavoro/errore.txt"; }
  done
done <<FINE
$generatori
FINE
echo "$fallimenti failed"
[ "$fallimenti" = 0 ]
