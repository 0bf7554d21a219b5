#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and makes the Debian package
# build/package/vantrel_<version>_<architecture>.deb; lintian looks it over
# when it is installed.
set -eu
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset package
cmake --build --preset package
rm -f build/package/vantrel_*.deb
cpack --preset package
if command -v lintian >/dev/null; then
    lintian build/package/vantrel_*.deb
fi
ls build/package/vantrel_*.deb
