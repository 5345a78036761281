#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, skipping what is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
    libjpeg62-turbo-dev libmikmod-dev libfreetype-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool clang clang-format desktop-file-utils appstream groff-base
    libclang-rt-14-dev python3
    # The X server's own fonts: without them SDL cannot draw its message box on the virtual
    # display, and the start-up failure box goes untested.
    xfonts-base
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
