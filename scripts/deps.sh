#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Lorvane need, if missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libbenchmark-dev hyperfine
  clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  librsvg2-bin
  xvfb xauth
  dbus-daemon at-spi2-core python3-pyatspi xdotool
  dpkg-dev file appstream desktop-file-utils
  libxml2-utils iverilog ghdl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
