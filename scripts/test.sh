#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, then builds and runs the whole test suite twice: in a debug build
# and under AddressSanitizer + UndefinedBehaviorSanitizer (with leak detection).
# Usage: scripts/test.sh [--quick]   (--quick: the debug build only)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test

presets=(debug asan)
[ "${1:-}" = "--quick" ] && presets=(debug)

for preset in "${presets[@]}"; do
    echo "== $preset =="
    # The debug build also compiles the benchmarks, so they keep building; scripts/bench.sh
    # runs them.
    extra=()
    [ "$preset" = debug ] && extra=(-DTALLISK_BUILD_BENCHMARKS=ON)
    cmake --preset "$preset" "${extra[@]}" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
