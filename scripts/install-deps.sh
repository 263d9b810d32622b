#!/usr/bin/env bash
# Installs the Debian packages the program, its tools and its tests need; with the argument
# `windows`, those of the Windows cross build of the engine and of running it under Wine.
# Safe to run again: packages already present are left alone.
set -euo pipefail

windows_packages=(g++-mingw-w64-x86-64 wine wine64)
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6test6 libgl-dev
  libsqlcipher-dev sqlcipher
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-wqy-zenhei fonts-arphic-uming fonts-liberation fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool xclip imagemagick x11-utils
  qt6-wayland weston
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file lintian man-db
  python3 time fontconfig
)
if [ "${1:-}" = windows ]; then packages=("${windows_packages[@]}"); fi

missing=()
for p in "${packages[@]}"; do
  [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" == *'install ok installed'* ]] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
