#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, when any is missing.
set -euo pipefail
source "$(dirname "$0")/apt-packages.sh"

packages=(
    cmake g++ make pkg-config clang-format libsdl2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libpng-dev libjpeg62-turbo-dev libpixman-1-dev libx11-dev libxfixes-dev libxrandr-dev libxinerama-dev libvorbis-dev libasound2-dev
    xvfb xdotool x11-utils x11-apps x11-xserver-utils imagemagick hsetroot
    qt6-base-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
    dpkg-dev ccache
)
# Scripts that need more for themselves name it here, e.g. the processor-time benchmark's peer.
read -r -a extra <<<"${PLUVO_EXTRA_PACKAGES:-}"
packages+=("${extra[@]}")

install_missing "${packages[@]}"
