#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer,
# then fuzzes each for its share of a bounded time, starting from a copy of the seed corpus in
# fuzz/corpus/: tallisk-fuzz-decode (the decode pass and the export) and tallisk-fuzz-json
# (tallisk-decode's JSON writer against the toolkit's, and the batch's record path). Exits
# non-zero on any finding: a crash, a sanitizer report, a leak, a time-out or a broken
# invariant. A failing input is kept in build/fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60, shared equally by the targets)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build/fuzz

scripts/deps.sh test

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
targets=(tallisk-fuzz-decode tallisk-fuzz-json)

for name in "${targets[@]}"; do
    if [ ! -x "$build/fuzz/$name" ]; then
        echo "fuzz.sh: $build/fuzz/$name was not built (does clang++ support -fsanitize=fuzzer?)" >&2
        exit 1
    fi
done
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/findings"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

for name in "${targets[@]}"; do
    echo "== fuzzing $name for ${share} s =="
    mkdir -p "$work/$name"
    cp fuzz/corpus/* "$work/$name/"
    # -max_len bounds one input (three lines of a marking code are short; 4096 bytes leaves
    # room for long, odd lines); -timeout flags any single input that takes seconds.
    "$build/fuzz/$name" "$work/$name" \
        -max_total_time="$share" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$name-"
done
echo "fuzz.sh: no findings"
