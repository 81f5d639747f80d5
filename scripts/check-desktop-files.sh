#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the desktop integration of a build: installs it into a scratch prefix, validates the
# desktop entry and the AppStream metainfo (pedantic: not even a hint may be left), checks the
# theme icons and the manual pages, and compiles the Windows resource with the MinGW resource
# compiler, reading the version information back.
#
#   scripts/check-desktop-files.sh [BUILD_DIR]      (default: build/debug)
#
# Needs desktop-file-utils, appstream, man-db and binutils-mingw-w64-x86-64. Exits non-zero on
# any failure.
set -eu

build_dir=${1:-build/debug}
app_id=org.tallisk.tallisk
status=0
fail() {
    echo "check-desktop-files: $*" >&2
    status=1
}

for tool in desktop-file-validate appstreamcli man x86_64-w64-mingw32-windres; do
    command -v "$tool" >/dev/null 2>&1 || { echo "check-desktop-files: $tool is missing" >&2; exit 2; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM

cmake --build "$build_dir" --target tallisk tallisk-decode tallisk_artwork tallisk_changelog \
    tallisk_theme_icons tallisk_manual_pages >/dev/null
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
share=$scratch/prefix/share

for program in tallisk tallisk-decode; do
    [ -x "$scratch/prefix/bin/$program" ] || fail "bin/$program was not installed"
done

desktop=$share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
else
    fail "no desktop entry at share/applications/$app_id.desktop"
fi

# The one version source: project(VERSION), as the build recorded it.
version=$(grep -o 'CMAKE_PROJECT_VERSION:STATIC=[0-9.]*' "$build_dir/CMakeCache.txt" | cut -d= -f2)
major=$(echo "$version" | cut -d. -f1)
minor=$(echo "$version" | cut -d. -f2)
patch=$(echo "$version" | cut -d. -f3)
file_version_text=$major.$(printf '%02d' "$minor")

metainfo=$share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    # The validator passes with notes of lower severity; none is wanted.
    if ! validation=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
        printf '%s\n' "$validation" | grep -qE '^[EWIP]: '; then
        echo "$validation" >&2
        fail "metainfo does not validate cleanly"
    fi
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "metainfo does not name the release $version"
else
    fail "no metainfo at share/metainfo/$app_id.metainfo.xml"
fi

for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ ! -f "$icon" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a ${size}x${size} PNG"
done
scalable=$share/icons/hicolor/scalable/apps/$app_id.svg
file -b "$scalable" 2>/dev/null | grep -q 'SVG' || fail "no scalable icon at $scalable"

# The manual pages: troff that man formats without a warning, named as whatis lists them.
for program in tallisk tallisk-decode; do
    page=$share/man/man1/$program.1.gz
    if [ ! -f "$page" ]; then
        fail "no manual page for $program"
        continue
    fi
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page of $program has warnings: $warnings"
    zcat "$page" | grep -q "^$program - " || fail "the manual page of $program lacks its NAME line"
done

# The resource compiler runs the C preprocessor: MinGW's when it is there, the host's otherwise.
rc=$build_dir/share/tallisk.rc
if [ -f "$rc" ]; then
    if command -v x86_64-w64-mingw32-gcc >/dev/null 2>&1; then
        set --
    else
        set -- --preprocessor=cpp
    fi
    if x86_64-w64-mingw32-windres "$@" -i "$rc" -O res -o "$scratch/tallisk.res"; then
        x86_64-w64-mingw32-windres -i "$scratch/tallisk.res" -O rc -o "$scratch/readback.rc"
        for expected in "FILEVERSION $major, $minor, $patch, 0" \
            "PRODUCTVERSION $major, $minor, $patch, 0" 'BLOCK "040904B0"' \
            'VALUE "Translation", 0x409, 1200' "VALUE \"FileVersion\", \"$file_version_text\"" \
            "VALUE \"ProductVersion\", \"$file_version_text\"" \
            'VALUE "OriginalFilename", "Tallisk.exe"' \
            'VALUE "LegalTrademarks", L"Tallisk\x2122"' 'RT_GROUP_ICON'; do
            grep -qF "$expected" "$scratch/readback.rc" || fail "compiled resource lacks: $expected"
        done
    else
        fail "the Windows resource does not compile"
    fi
else
    fail "no generated Windows resource at $rc"
fi

[ "$status" -eq 0 ] && echo "check-desktop-files: all desktop files are valid"
exit "$status"
