#!/usr/bin/env bash
# Installs every Debian package Tarnwick needs to build, run and test.
# Idempotent: packages already present are left alone, and the package lists
# are refreshed only when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libusb-1.0-0-dev libnl-3-dev libnl-route-3-dev
  libqrencode-dev libzint-dev
  umockdev libumockdev-dev
  fonts-wqy-microhei fonts-liberation2
  cups cups-client cups-bsd
  iproute2 iputils-ping
  xvfb xauth
)

if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${SUDO[@]}" apt-get update
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
