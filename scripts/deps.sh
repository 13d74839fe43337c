#!/usr/bin/env bash
# Installs, with apt-get, every Debian package that building, running and testing Velmora needs.
# Packages already present are skipped; nothing is installed when all are there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkgconf git
  qt6-base-dev qt6-base-private-dev libsdl2-mixer-dev libjpeg62-turbo-dev libzip-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  glib-networking
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick poppler-utils unzip fonts-dejavu-core fonts-liberation2
  sox libsox-fmt-all
  desktop-file-utils appstream
)
if [ "${1:-}" = "--with-fuzz" ]; then
  packages+=(clang libclang-rt-14-dev zip)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
