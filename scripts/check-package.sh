#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a release build, checks what it holds and declares, lints it,
# then installs it with apt-get, runs tallisk-decode from /usr/bin on the example code, and
# removes it again together with every package its installation brought in.
#
#   scripts/check-package.sh
#
# Installing needs root (CI runs as root); refuses to touch a tallisk that is already
# installed. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "check-package: $*" >&2
    exit 1
}

scripts/deps.sh package
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)

version=$(grep -o 'CMAKE_PROJECT_VERSION:STATIC=[0-9.]*' build/release/CMakeCache.txt | cut -d= -f2)
deb=$(realpath "build/release/tallisk_${version}_$(dpkg --print-architecture).deb")
[ -f "$deb" ] || fail "no package at $deb"

# What `cmake --install` installs, plus the package's own documents.
listing=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
app_id=org.tallisk.tallisk
for path in ./usr/bin/tallisk ./usr/bin/tallisk-decode \
    ./usr/share/man/man1/tallisk.1.gz ./usr/share/man/man1/tallisk-decode.1.gz \
    ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png \
    ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    ./usr/share/doc/tallisk/copyright ./usr/share/doc/tallisk/changelog.gz; do
    grep -qxF "$path" <<<"$listing" || fail "the package lacks $path"
done

# Libraries as dpkg-shlibdeps found them, and the window's font by name.
depends=$(dpkg-deb --field "$deb" Depends)
echo "check-package: Depends: $depends"
for package in libc6 libqt6core6 libqt6widgets6 fonts-liberation2; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

# Stripped programs.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb --extract "$deb" "$scratch"
for program in tallisk tallisk-decode; do
    file -b "$scratch/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done

# The manual pages as whatis lists them, the icons, and the metainfo as software centres read
# it: not even a pedantic note.
for program in tallisk tallisk-decode; do
    lexgrog "$scratch/usr/share/man/man1/$program.1.gz" || fail "the manual page of $program has no NAME"
done
for icon in "$scratch"/usr/share/icons/hicolor/*/apps/$app_id.*; do
    echo "check-package: ${icon#"$scratch"}: $(file -b "$icon")"
done
metainfo=$scratch/usr/share/metainfo/$app_id.metainfo.xml
validation=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || validation_failed=1
echo "check-package: metainfo: $validation"
if [ -n "${validation_failed:-}" ] || grep -qE '^[EWIP]: ' <<<"$validation"; then
    fail "the metainfo does not validate cleanly"
fi

# Every tag lintian gives is shown; an error or a warning fails.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"

# Installed as a user would, on this machine.
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root; the package itself is $deb"
if dpkg-query -W -f='${Status}' tallisk 2>/dev/null | grep -q 'install ok installed'; then
    fail "a tallisk package is installed already; remove it first"
fi
before=$scratch/before
dpkg-query -W -f='${Package}:${Architecture}\n' | sort >"$before"
remove_installed() {
    # Everything the installation added, tallisk first among them; nothing else.
    local added
    added=$(dpkg-query -W -f='${Package}:${Architecture}\n' | sort | comm -13 "$before" -)
    if [ -n "$added" ]; then
        # shellcheck disable=SC2086 # one package a word
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $added >/dev/null
    fi
    rm -rf "$scratch"
}
trap remove_installed EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null

[ "$(command -v tallisk-decode)" = /usr/bin/tallisk-decode ] ||
    fail "tallisk-decode is not the installed /usr/bin/tallisk-decode"
missing_libraries=$(ldd /usr/bin/tallisk /usr/bin/tallisk-decode | grep 'not found' || true)
[ -z "$missing_libraries" ] || fail "libraries not found: $missing_libraries"

expected='AMD Athlon XP
Core: Barton
CPU Model: 10
Performance Rating: 2500+
Working frequency: 1833
Package Type: OPGA
Operating Voltage: 1.65v
Operating Temperature: 85°C
L1 Cache: 128KB
L2 Cache: 512KB
Multiplier: 11.0
FSB Frequency: 333MHz
Stepping Code: JIUHB
Manufacture Year: 2003
Manufacture Week: Week 12
Production Batch: M
Batch Production Number: 1234
Downgraded from: N/A'
actual=$(LC_ALL=C.UTF-8 /usr/bin/tallisk-decode AXDA2500DKV4D ABCDEFG18HIJ1234 JIUHB0312XPMW) ||
    fail "the installed tallisk-decode failed on the example"
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    fail "the installed tallisk-decode decodes the example wrongly"
fi
echo "check-package: $(basename "$deb") builds, lints, installs and decodes the example"
