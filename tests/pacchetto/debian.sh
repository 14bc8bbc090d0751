#!/bin/sh
# The Debian source package, built as Debian's build daemons build it: a
# fresh Debian 12 chroot made by debootstrap, with build-essential and the
# Build-Depends of debian/control alone, where dpkg-buildpackage makes the
# source package (.dsc and tarball) and the binary packages as a user who is
# not root, the test suite passing during the build. Then:
# - a second build of the same source package, in another folder, with
#   another umask, locale and time zone, later, must give the same .deb
#   files byte for byte;
# - lintian on the .changes: no error and no warning;
# - autopkgtest runs debian/tests against the installed package, on this
#   machine (it installs the package here: run it on a throwaway machine);
# - given the .deb that cpack -G DEB made, the two must install the same
#   files, with the same name, version, dependencies and description.
# Run as root (debootstrap and chroot need it), from a clone: the files git
# tracks are the source, as they stand in the work tree.
# usage: tests/pacchetto/debian.sh [OUTPUT_DIR [CPACK_DEB]]
set -eu
sorgenti=$(cd "$(dirname "$0")/../.." && pwd)
uscita=$(realpath -m "${1:-$sorgenti/build-debian}")
cpack_deb=${2:+$(realpath "$2")}
specchio=http://deb.debian.org/debian
versione=$(dpkg-parsechangelog -l "$sorgenti/debian/changelog" -S Version)
architettura=$(dpkg --print-architecture)
nome=ma2d3d_$versione
radice=$uscita/chroot

[ "$(id -u)" = 0 ] || { echo "run as root: debootstrap and chroot need it"; exit 1; }
for programma in debootstrap lintian autopkgtest dpkg-parsechangelog; do
  command -v "$programma" > /dev/null || { echo "$programma is missing"; exit 1; }
done

fase() { echo; echo "--- $*"; }
smonta() { umount "$radice/proc" 2>/dev/null || true; }
trap smonta EXIT
dentro() { chroot "$radice" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
# A command run in the chroot as the build user, from a folder.
costruisci() {
  cartella=$1; shift
  dentro runuser -u costruttore -- sh -c "cd '$cartella' && $*"
}

fase "A fresh Debian 12 chroot"
smonta
rm -rf "$uscita"
mkdir -p "$uscita"
debootstrap --variant=buildd bookworm "$radice" "$specchio" > "$uscita/debootstrap.log" 2>&1 ||
  { tail -n 20 "$uscita/debootstrap.log"; exit 1; }
mount -t proc proc "$radice/proc"
dentro useradd -m costruttore

fase "The source, as git tracks it, and the build dependencies debian/control names"
primo=/costruzione/a/ma2d3d-$versione
mkdir -p "$radice$primo"
# One archive of every tracked file: tar reads the list itself (xargs would
# split a long list into several archives, of which the reader takes the first).
git -C "$sorgenti" ls-files -z | (cd "$sorgenti" && tar --null -T - -cf -) | tar -C "$radice$primo" -xf -
dentro apt-get update -q > "$uscita/apt.log" 2>&1
DEBIAN_FRONTEND=noninteractive dentro apt-get build-dep -y -q "$primo" >> "$uscita/apt.log" 2>&1 ||
  { tail -n 20 "$uscita/apt.log"; exit 1; }
dentro chown -R costruttore: /costruzione

fase "dpkg-buildpackage: source and binary packages, the test suite run"
costruisci "$primo" "umask 022; LC_ALL=C.UTF-8 TZ=UTC dpkg-buildpackage -us -uc" > "$uscita/costruzione.log" 2>&1 ||
  { tail -n 60 "$uscita/costruzione.log"; exit 1; }
grep -E '^[0-9]+% tests passed' "$uscita/costruzione.log"
cp "$radice/costruzione/a/"*.dsc "$radice/costruzione/a/"*.tar.* "$radice/costruzione/a/"*.deb \
   "$radice/costruzione/a/"*.buildinfo "$radice/costruzione/a/"*.changes "$uscita/"
ls "$uscita"

fase "Reproducible: the same source package again, elsewhere, varied"
secondo=/costruzione/un/altro/percorso
dentro mkdir -p "$secondo"
cp "$uscita/$nome.dsc" "$uscita/$nome".tar.* "$radice$secondo/"
dentro chown -R costruttore: /costruzione/un
costruisci "$secondo" "dpkg-source --no-check -x $nome.dsc sorgente > /dev/null 2>&1"
costruisci "$secondo/sorgente" "umask 002; LC_ALL=C TZ=JST-9 DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b" \
  > "$uscita/riproduzione.log" 2>&1 || { tail -n 40 "$uscita/riproduzione.log"; exit 1; }
diversi=0
for deb in "$uscita"/*.deb; do
  altro=$radice$secondo/$(basename "$deb")
  a=$(sha256sum < "$deb" | cut -d' ' -f1); b=$(sha256sum < "$altro" | cut -d' ' -f1)
  echo "$(basename "$deb"): $a / $b"
  [ "$a" = "$b" ] || diversi=1
done
[ "$diversi" = 0 ] || { echo "FAILED: the two builds differ"; exit 1; }
echo "the two builds give the same .deb files"

# The chroot's work is done.
smonta

fase "lintian on the .changes"
if lintian --fail-on error,warning --display-info "$uscita/${nome}_$architettura.changes" > "$uscita/lintian.log" 2>&1
then pulito=1; else pulito=0; fi
# As root it warns that it runs as root, which is not one of its findings.
grep -v 'running with root privileges' "$uscita/lintian.log" || true
[ "$pulito" = 1 ] || { echo "FAILED: lintian reports errors or warnings"; exit 1; }
echo "lintian: no error, no warning"

fase "autopkgtest against the installed package"
# The tests come from the source package just built, not from this tree,
# which may hold build folders (this one's chroot among them).
autopkgtest --no-built-binaries "$uscita/${nome}_$architettura.deb" "$uscita/$nome.dsc" -- null \
  > "$uscita/autopkgtest.log" 2>&1 ||
  { tail -n 40 "$uscita/autopkgtest.log"; exit 1; }
sed -n '/@@@ summary/,$p' "$uscita/autopkgtest.log" | grep -E ' (PASS|FAIL|SKIP|FLAKY)' || true

if [ -n "$cpack_deb" ]; then
  fase "The cpack package and this one install the same files"
  # Where the two may differ: the CMake package in the multiarch folder, and
  # its per-build-type file named for the build type.
  elenco() {
    dpkg-deb -c "$1" | awk '{ print $6 }' | grep -v '/$' |
      sed -e "s|^\./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake/|./usr/lib/cmake/|" \
          -e 's|ma2d3dTargets-[a-z]*\.cmake$|ma2d3dTargets-BUILD_TYPE.cmake|' | sort
  }
  elenco "$cpack_deb" > "$uscita/cpack.elenco"
  elenco "$uscita/${nome}_$architettura.deb" > "$uscita/debian.elenco"
  diff "$uscita/cpack.elenco" "$uscita/debian.elenco" || { echo "FAILED: the file lists differ"; exit 1; }
  # Dependencies by package name: the version each needs follows the
  # symbols the build's optimisation happens to use.
  dipendenze() { dpkg-deb -f "$1" Depends | tr ',' '\n' | sed 's/(.*//; s/ //g' | sort; }
  for campo in Package Version Description; do
    [ "$(dpkg-deb -f "$cpack_deb" "$campo")" = "$(dpkg-deb -f "$uscita/${nome}_$architettura.deb" "$campo")" ] ||
      { echo "FAILED: the two packages' $campo fields differ"; exit 1; }
  done
  [ "$(dipendenze "$cpack_deb")" = "$(dipendenze "$uscita/${nome}_$architettura.deb")" ] ||
    { echo "FAILED: the two packages depend on different packages"; exit 1; }
  echo "same files ($(wc -l < "$uscita/debian.elenco")), name, version, dependencies and description"
fi
echo
echo "Debian source package: done ($uscita)"
