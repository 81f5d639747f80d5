#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Takes the README's screenshot of the main window on a virtual X display: starts the program,
# answers the start-up notice, types the example code AXDA2500DKV4D / ABCDEFG18HIJ1234 /
# JIUHB0312XPMW, presses "Check" and saves the window.
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT]   (defaults: build/debug, docs/main-window.png)
#
# Needs xvfb and xauth. The program does the typing itself when TALLISK_TEST_SCREENSHOT names
# the file to write, so the window and its handlers are the real ones.
set -eu

build_dir=${1:-build/debug}
output=${2:-docs/main-window.png}
program=$build_dir/ui/tallisk

command -v xvfb-run >/dev/null 2>&1 || { echo "screenshot: xvfb-run is missing (package xvfb)" >&2; exit 2; }
cmake --build "$build_dir" --target tallisk >/dev/null
mkdir -p "$(dirname "$output")"
rm -f "$output"

# A fixed screen and font setting, so that the picture does not depend on the machine.
TALLISK_TEST_SCREENSHOT=$(realpath -m "$output") QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    timeout 120 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$program"

[ -s "$output" ] || { echo "screenshot: no picture was saved" >&2; exit 1; }
echo "screenshot: saved $output"
