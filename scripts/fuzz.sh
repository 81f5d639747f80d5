#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the decoder's fuzz target with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, then fuzzes it for a bounded time, starting from a copy of the
# seed corpus in fuzz/corpus/. Exits non-zero on any finding: a crash, a sanitizer report, a
# leak, a time-out or a broken invariant. A failing input is kept in build/fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build/fuzz

scripts/deps.sh test

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DTALLISK_BUILD_FUZZERS=ON -DTALLISK_BUILD_UI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target tallisk-fuzz-decode -j2

target="$build/fuzz/tallisk-fuzz-decode"
if [ ! -x "$target" ]; then
    echo "fuzz.sh: $target was not built (does clang++ support -fsanitize=fuzzer?)" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$build/findings"
cp fuzz/corpus/* "$work/corpus/"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

echo "== fuzzing tallisk-fuzz-decode for ${seconds} s =="
# -max_len bounds one input (three lines of a marking code are short; 4096 bytes leaves
# room for long, odd lines); -timeout flags any single input that takes seconds.
"$target" "$work/corpus" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/"
echo "fuzz.sh: no findings"
