#!/usr/bin/env bash
# Builds the Debian package from the build tree in $1, unpacks it into a
# temporary root, validates its desktop entry and AppStream data, checks its
# icons, the command line's manual page and completion, and starts the
# installed program offscreen for a few seconds.
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

# The command-line companion: its manual page renders without a warning and,
# like its bash completion, names every option the program declares.
test -x "$root/usr/bin/tarvelle-cli"
manual=$share/man/man1/tarvelle-cli.1.gz
completion=$share/bash-completion/completions/tarvelle-cli
test -s "$manual"
warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
if [[ -n $warnings ]]; then
    echo "the manual page has warnings: $warnings"
    exit 1
fi
MANWIDTH=80 man -l "$manual" > "$work/manual.txt"
grep -q 'tarvelle-cli - plan cable-TV runs' "$work/manual.txt"
bash -n "$completion"
for option in $("$root/usr/bin/tarvelle-cli" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" "$work/manual.txt" || { echo "the manual page lacks $option"; exit 1; }
    grep -q -- "$option" "$completion" || { echo "the completion lacks $option"; exit 1; }
done
# Completing --product offers the product names.
offered=$(bash -c 'source "$1"; COMP_WORDS=(tarvelle-cli --product ""); COMP_CWORD=2
    _tarvelle_cli; echo "${COMPREPLY[*]}"' completion "$completion")
[[ $offered == "balun 8-port 16-port" ]] || { echo "completion offers: $offered"; exit 1; }

# The planner: its launcher entry opens CSV files, its AppStream data, its
# icon and manual page.
test -x "$root/usr/bin/tarvelle-planner"
desktop-file-validate "$share/applications/com.example.Tarvelle.Planner.desktop"
grep -q '^MimeType=text/csv;$' "$share/applications/com.example.Tarvelle.Planner.desktop"
appstreamcli validate --no-net "$share/metainfo/com.example.Tarvelle.Planner.metainfo.xml"
test -s "$share/icons/hicolor/scalable/apps/com.example.Tarvelle.Planner.svg"
planner_manual=$share/man/man1/tarvelle-planner.1.gz
warnings=$(MANWIDTH=80 man --warnings -l "$planner_manual" 2>&1 >/dev/null)
[[ -z $warnings ]] || { echo "the planner's manual page has warnings: $warnings"; exit 1; }

# The program runs until its window is closed: still running after three
# seconds means it started and showed its window.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tarvelle" || status=$?
if [[ $status -ne 124 ]]; then
    echo "the installed program ended with status $status"
    exit 1
fi
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tarvelle-planner" || status=$?
if [[ $status -ne 124 ]]; then
    echo "the installed planner ended with status $status"
    exit 1
fi
echo "package installs and runs"
