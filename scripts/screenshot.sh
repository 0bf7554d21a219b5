#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the scene offscreen to a PNG, showing FOLDER (/etc by
# default), or a FILE in its view, at 900x620 or the SIZE given:
# scripts/screenshot.sh [OUTPUT.png [FOLDER|FILE [WIDTHxHEIGHT]]]
set -eu
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$here/docs/screenshot.png}")"
shown="$(realpath -m "${2:-/etc}")"
mkdir -p "$(dirname "$out")"
cd "$here"
cmake --preset default -DVANTREL_SCENEGRAB=ON >/dev/null
cmake --build --preset default --target vantrel_scenegrab vantrel_sandbox >/dev/null
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QT_LOGGING_RULES="default.debug=false" \
    "$here/build/default/scripts/scenegrab/vantrel_scenegrab" "$out" "$shown" "${3:-900x620}"
echo "$out"
