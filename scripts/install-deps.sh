#!/usr/bin/env bash
# Installs every build and run dependency from Debian's packages. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-httpserver-dev qt6-websockets-dev
  qt6-webengine-dev
  libqt6sql6-sqlite libqt6svg6 qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei openssl ca-certificates
)

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
