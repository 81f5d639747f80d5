#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a release build with the benchmarks in build/bench, runs them all and writes
# docs/benchmarks.md from docs/benchmarks.md.in: the machine, the medians, the ratios and
# whether each target is met. Takes about five minutes; nothing is written if a run fails.
# Environment: TALLISK_BENCH_JOBS (build jobs, default 2), TALLISK_BENCH_RECORDS (batch size,
# default 1000000; the targets are judged on the default only).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test

build=build/bench
export TALLISK_BENCH_RECORDS=${TALLISK_BENCH_RECORDS:-1000000}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLISK_BUILD_BENCHMARKS=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "${TALLISK_BENCH_JOBS:-2}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Medians of every benchmark, in Google Benchmark's JSON, repetitions interleaved at random so
# the runs compared (the batch plain and with --identify) share the machine's ups and downs.
run() { # NAME BINARY REPETITIONS [ARGS...]
    local name=$1 binary=$build/bench/$2 repetitions=$3
    shift 3
    echo "== $name: $(basename "$binary") $*"
    "$binary" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
        --benchmark_enable_random_interleaving=true --benchmark_out_format=json \
        --benchmark_out="$work/$name.json" "$@"
}

run decode tallisk-bench-decode 10
run batch tallisk-bench-process 5 --benchmark_filter=Batch
QT_QPA_PLATFORM=xcb xvfb-run -a "$build/bench/tallisk-bench-process" \
    --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_enable_random_interleaving=true --benchmark_filter=Window \
    --benchmark_out_format=json --benchmark_out="$work/window.json"

cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
"$build/tools/benchreport/tallisk-bench-report" docs/benchmarks.md.in docs/benchmarks.md \
    "date=$(date -u +%Y-%m-%d)" \
    "cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)" \
    "cores=$(nproc)" \
    "memory=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)" \
    "os=$(. /etc/os-release && echo "$PRETTY_NAME")" \
    "compiler=$("$cxx" --version | head -n 1)" \
    "qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)" \
    "gbench=$(dpkg-query -W -f='${Version}' libbenchmark-dev)" \
    "records=$(echo "$TALLISK_BENCH_RECORDS" | sed -e ':a' -e 's/\B[0-9]\{3\}\>/,&/' -e 'ta')" \
    "tenth=$(echo $((TALLISK_BENCH_RECORDS / 10)) | sed -e ':a' -e 's/\B[0-9]\{3\}\>/,&/' -e 'ta')" \
    "$work"/*.json
echo "Wrote docs/benchmarks.md"
