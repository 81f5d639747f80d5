#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Fails when a C++ source is not formatted as .clang-format says; names each file and line.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "check-format.sh: every source is formatted"
