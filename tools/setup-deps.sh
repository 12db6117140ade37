#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs every Debian 12 package that building, playing, testing and
# packaging Velmora needs. Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
    qt6-tools-dev qt6-l10n-tools
    libsdl2-dev libsdl2-mixer-dev
    libgtest-dev libgmock-dev
    xvfb xauth xdotool x11-utils
    imagemagick sox
    fonts-ipafont-gothic
    desktop-file-utils appstream dpkg-dev file
    libx11-dev
    pulseaudio pulseaudio-utils clang-14 libclang-rt-14-dev
    fonts-dejavu-core dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    fonts-dejavu-extra debhelper lintian autopkgtest mandoc
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
