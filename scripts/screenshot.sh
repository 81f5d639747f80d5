#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Takes the README's screenshot of the main window on a virtual X display, working the real
# program from outside as a user would: OK on the start-up notice, an Athlon XP 2600+ with the
# example's later lines, AXDA2600DKV4D / ABCDEFG18HIJ1234 / JIUHB0312XPMW, typed into the three
# boxes, each box back at its start, "Check" pressed (the marking tables have no clock for it,
# the real part beside them has); then the window is saved and File, Exit ends the program.
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT]   (defaults: build/debug, docs/main-window.png)
#
# Installs what it needs with scripts/deps.sh screenshot (xvfb, xdotool, ImageMagick).
set -eu

build_dir=${1:-build/debug}
output=${2:-docs/main-window.png}
program=$build_dir/ui/tallisk

fail() {
    echo "screenshot: $*" >&2
    exit 1
}

if [ "${3:-}" != --on-display ]; then
    "$(dirname "$0")/deps.sh" screenshot
    cmake --build "$build_dir" --target tallisk >/dev/null
    mkdir -p "$(dirname "$output")"
    rm -f "$output"
    # A fixed screen and density, so that the picture does not depend on the machine; the
    # whole run is bounded. The server stays up between the short xdotool runs (-noreset).
    timeout 120 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" \
        "$0" "$build_dir" "$(realpath -m "$output")" --on-display
    [ -s "$output" ] || fail "no picture was saved"
    echo "screenshot: saved $output"
    exit 0
fi

# From here on, on the virtual display.
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# Prints the id of the mapped window whose whole title matches the pattern; gives up after
# 30 seconds.
await_window() {
    tries=0
    while [ "$tries" -lt 300 ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        tries=$((tries + 1))
        sleep 0.1
    done
    return 1
}

await_window 'Please take note\.\.\.' >/dev/null || fail "the start-up notice did not appear"
xdotool key Return
main=$(await_window 'Tallisk \(Beta\)') || fail "the main window did not appear"

# The window opens with the focus in the first box; Tab runs on to the second and the third,
# then to "Export to HTML" and "Check", which Space presses. Home shows each line from its
# start.
for line in AXDA2600DKV4D ABCDEFG18HIJ1234 JIUHB0312XPMW; do
    xdotool type --delay 30 "$line"
    xdotool key --delay 30 Home Tab
done
xdotool key --delay 30 Tab space
sleep 1 # for the window to draw the result

import -window "$main" "png:$2" || fail "could not grab the window"

xdotool key --delay 30 alt+f x
tries=0
while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
    tries=$((tries + 1))
    sleep 0.1
done
trap - EXIT
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the program did not end after File, Exit"; }
wait "$pid" || fail "the program ended with status $?"
