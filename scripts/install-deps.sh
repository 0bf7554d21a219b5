#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Vantrel needs to build, run and test on Debian 12, if it is
# missing, and lays out the handset's shared storage that copies go to.
set -eu

packages="cmake ninja-build g++ libgl-dev
qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-tools-dev
qt6-l10n-tools qt6-image-formats-plugins qml6-module-qtqml qml6-module-qtqml-models
qml6-module-qtqml-workerscript qml6-module-qtquick qml6-module-qtquick-controls
qml6-module-qtquick-templates qml6-module-qtquick-layouts qml6-module-qtquick-window
qml6-module-qttest dbus-daemon libqt6svg6 libglib2.0-bin libfuse3-dev fuse3 pkg-config
dpkg-dev file desktop-file-utils appstream"

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

# The shared documents folder of the handset lives under /accounts/1000/shared;
# a desktop has none, so make it, owned by whoever runs this.
owner="${SUDO_USER:-$(id -un)}"
for dir in /accounts /accounts/1000 /accounts/1000/shared; do
    if [ ! -d "$dir" ]; then
        $sudo mkdir "$dir"
        $sudo chown "$owner:" "$dir"
    fi
done
