#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, skipping what
# is already there. Runs apt-get as root, or through sudo.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth fonts-dejavu-core
  # checking the install and building the packages
  desktop-file-utils appstream shared-mime-info groff-base
  # the start-up benchmark watches windows appear on the X server
  libxcb1-dev libxcb-damage0-dev
  # building the fuzz targets of the file readers: clang and its sanitizer and
  # libFuzzer runtimes
  clang libclang-rt-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
