#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages the build needs, or says which are missing.
# Usage: scripts/deps.sh build|test
set -euo pipefail

# fonts-liberation2: the windows' font (Liberation Sans, with the metrics of the dialog font
# their layout was drawn for).
build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                fonts-liberation2)
# Tests run the window offscreen and under Xvfb, validate the desktop files, compile the
# Windows resource, fuzz with clang's libFuzzer, build the benchmarks and check the translation
# template (lupdate).
test_packages=(xvfb xauth fonts-dejavu-core file desktop-file-utils appstream
               binutils-mingw-w64-x86-64 clang libclang-rt-14-dev libbenchmark-dev
               qt6-l10n-tools)

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 build|test" >&2; exit 2 ;;
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
