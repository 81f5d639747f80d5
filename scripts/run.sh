#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds a release, and starts Tallisk: the window when a display is
# there, otherwise the command-line decoder on an example marking code.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release

if [ -x build/release/ui/tallisk ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/ui/tallisk "$@"
fi
echo "No display found: decoding the example marking code with tallisk-decode instead." >&2
exec build/release/cli/tallisk-decode AXDA2500DKV4D ABCDEFG18HIJ1234 JIUHB0312XPMW
