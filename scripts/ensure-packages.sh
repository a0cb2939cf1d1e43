#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# this machine lacks. Sourced by the other scripts, which may name further
# packages as arguments.
set -euo pipefail

tarvelle_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgtest-dev libcli11-dev nlohmann-json3-dev libutf8proc-dev
    clang libclang-rt-14-dev
    dpkg-dev desktop-file-utils appstream man-db binutils-mingw-w64-x86-64
    libgumbo-dev
    # dot, for the README's picture of the layers (docs/layers.svg).
    graphviz
    # fonts-liberation, not fonts-liberation2: only it has Liberation Sans Narrow.
    fontconfig fonts-liberation fonts-dejavu-core
    # Tests watching the program on a virtual screen: the screen, a window
    # manager that frames windows, X input, a frame reader, a window grabber.
    xvfb openbox xdotool x11-utils x11-apps
    # pdftotext, reading the planner's printed report in its test.
    poppler-utils
    "$@"
)

missing=()
for package in "${tarvelle_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if ((EUID != 0)); then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
