#!/usr/bin/env bash
# Builds the Debian package from the build tree in $1, unpacks it into a
# temporary root, validates its desktop entry and AppStream data, checks its
# icons and starts the installed program offscreen for a few seconds.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<< "$depends"

root=$work/root
dpkg -x "$deb" "$root"
share=$root/usr/share
test -x "$root/usr/bin/tarvelle"
desktop-file-validate "$share/applications/com.example.Tarvelle.desktop"
appstreamcli validate --no-net "$share/metainfo/com.example.Tarvelle.metainfo.xml"
for size in 16 32 48 128 256; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/com.example.Tarvelle.png"
done
test -s "$share/icons/hicolor/scalable/apps/com.example.Tarvelle.svg"

# The program runs until its window is closed: still running after three
# seconds means it started and showed its window.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tarvelle" || status=$?
if [[ $status -ne 124 ]]; then
    echo "the installed program ended with status $status"
    exit 1
fi
echo "package installs and runs"
