#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages the build needs, or says which are missing.
# Usage: scripts/deps.sh build|test|screenshot|package
set -euo pipefail

# fonts-liberation2: the windows' font (Liberation Sans, with the metrics of the dialog font
# their layout was drawn for). scdoc turns the manual pages into troff; librsvg2-bin's
# rsvg-convert renders the scalable icon to the theme's pixel sizes.
build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                fonts-liberation2 scdoc librsvg2-bin)
# Tests run the window offscreen and under Xvfb (driven with xdotool, read with x11-utils'
# xwininfo), validate the desktop files and format the manual pages (man-db), compile the
# Windows resource, check the format and the translation template (lupdate), fuzz with clang's
# libFuzzer and build the benchmarks (which watch the window's start-up through libxcb).
test_packages=(xvfb xauth xdotool x11-utils fonts-dejavu-core file desktop-file-utils appstream
               man-db clang-format qt6-l10n-tools binutils-mingw-w64-x86-64 clang
               libclang-rt-14-dev libbenchmark-dev libxcb1-dev)
# scripts/screenshot.sh: the window on Xvfb, typed into with xdotool, grabbed with ImageMagick.
screenshot_packages=(xvfb xauth xdotool imagemagick)
# scripts/check-package.sh: the Debian package's dependencies (dpkg-shlibdeps), its lint and
# a look at its files (the manual pages' NAME with man-db's lexgrog, the metainfo).
package_packages=(dpkg-dev lintian file man-db appstream)

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    screenshot) wanted=("${build_packages[@]}" "${screenshot_packages[@]}") ;;
    package) wanted=("${build_packages[@]}" "${package_packages[@]}") ;;
    *) echo "usage: $0 build|test|screenshot|package" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "These packages are missing. Install them, then run this command again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
