#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Vantrel in the build's sandbox.
set -eu
caller="$PWD"
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset default
cmake --build --preset default
cd "$here/build/default/sandbox"
exec "$here/build/default/src/vantrel" --caller-dir="$caller" "$@"
