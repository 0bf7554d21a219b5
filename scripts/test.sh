#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: scripts/test.sh [PRESET]
# (default, or asan for the AddressSanitizer + UndefinedBehaviorSanitizer build).
set -eu
preset="${1:-default}"
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
