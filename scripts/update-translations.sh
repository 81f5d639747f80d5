#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Regenerates translations/tallisk.ts, the template translators start from, from the sources.
# Usage: scripts/update-translations.sh [--check]
#   --check: regenerate into a temporary file and fail, showing the difference, when the
#            committed template is out of date. Either way lupdate must not warn: a warning
#            means a text it could not file under a real translation context.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate-qt6 || true)" \
                     "$(command -v lupdate || true)"; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then
            lupdate=$candidate
            break
        fi
    done
fi
if [ -z "$lupdate" ]; then
    echo "lupdate not found; install qt6-l10n-tools (scripts/deps.sh test)" >&2
    exit 1
fi

template=translations/tallisk.ts
# The program's own sources; the tests, benchmarks, fuzzers and build tools show no texts.
sources=(decoder export identify cli ui)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fresh=$work/tallisk.ts

# Without locations, so that moving code does not change the template; -no-obsolete drops
# texts that are gone, so the template is a function of the sources alone.
"$lupdate" -no-obsolete -locations none -source-language en "${sources[@]}" -ts "$fresh" \
    >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
if grep -v -E "^(Scanning directory '|Updating '|    Found [0-9]+ source text)" "$work/log" \
    >"$work/warnings"; then
    echo "lupdate warned; every visible text needs a real translation context:" >&2
    cat "$work/warnings" >&2
    exit 1
fi

if [ "${1:-}" = "--check" ]; then
    if ! diff -u "$template" "$fresh"; then
        echo "$template is out of date: run scripts/update-translations.sh and commit it" >&2
        exit 1
    fi
    echo "$template is up to date"
else
    mkdir -p "$(dirname "$template")"
    cp "$fresh" "$template"
    echo "wrote $template"
fi
