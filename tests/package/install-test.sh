#!/usr/bin/env bash
# Makes the Debian package from a build folder, unpacks it into a temporary
# root as dpkg would lay it out, and runs both installed programs from there
# with a new home: the command line's demo, and the desktop program
# (offscreen) starting and quitting. Their language files must come from the
# package's data folder.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/vornax-meter_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt dependency declared"; exit 1; }
dpkg-deb -x "$deb" "$work/root"
bin=$(dirname "$(find "$work/root" -path '*/bin/vornax' -type f)")
for file in vornax-meter ../share/vornax-meter/lang/lang.lang ../share/applications/vornax-meter.desktop \
            ../share/icons/hicolor/scalable/apps/vornax-meter.svg \
            ../share/vornax-meter/translations/vornax_fr.qm ../share/vornax-meter/translations/vornax_en.qm; do
  test -e "$bin/$file" || { echo "missing from the package: $file"; exit 1; }
done

export HOME="$work/home"
unset VORNAX_HOME XDG_DATA_HOME
"$bin/vornax" demo --out "$work/demo" > "$work/demo.txt"
grep -q '^Peak power:' "$work/demo.txt"
test -s "$work/demo/Puissance/demo-1275.txt"
QT_QPA_PLATFORM=offscreen "$bin/vornax-meter" --quit-after-start
cmp "$HOME/.local/share/vornax-meter/lang/lang.lang" "$bin/../share/vornax-meter/lang/francais.txt"
echo "installed package runs"
