#!/usr/bin/env bash
# The Debian package of an existing build: packs it, unpacks it into a temporary root as dpkg
# would install it, and runs the installed velt-cli there (its version and one analysis, with
# the report project it must find in share/velt).
#   scripts/paket.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:?upotreba: scripts/paket.sh BUILD_DIR}" && pwd)
koren=$(mktemp -d)
trap 'rm -rf "$koren"' EXIT
(cd "$build" && cpack -G DEB -B "$koren/paket" >/dev/null)
deb=$(ls "$koren"/paket/velt_*.deb)
dpkg-deb --info "$deb" | grep -E 'Package|Version|Depends'
dpkg -x "$deb" "$koren/root"
for f in usr/bin/velt-cli usr/share/man/man1/velt-cli.1 usr/share/velt/ProjectIzvestajAnalize.vrp \
  usr/share/velt/examples/portalni-ram.velt; do
  [ -f "$koren/root/$f" ] || { echo "nema u paketu: $f"; exit 1; }
done
if [ -f "$build/app/velt" ]; then
  for f in usr/bin/velt usr/share/applications/velt.desktop usr/share/mime/packages/velt.xml \
    usr/share/icons/hicolor/scalable/apps/velt.svg usr/share/velt/Pomoc1.jpg; do
    [ -f "$koren/root/$f" ] || { echo "nema u paketu: $f"; exit 1; }
  done
fi
cli="$koren/root/usr/bin/velt-cli"
"$cli" --version
# Into files first: a reader that stops early would end the writer with SIGPIPE.
"$cli" analyze --json "$koren/root/usr/share/velt/examples/portalni-ram.velt" >"$koren/analiza.json"
"$cli" report "$koren/root/usr/share/velt/examples/prosta-greda.velt" >"$koren/izvestaj.txt"
[ -s "$koren/analiza.json" ] && [ -s "$koren/izvestaj.txt" ] || { echo "prazan izlaz iz paketa"; exit 1; }
head -c 200 "$koren/analiza.json"; echo
head -3 "$koren/izvestaj.txt"
echo "== paket: $(basename "$deb") radi iz privremenog korena"
