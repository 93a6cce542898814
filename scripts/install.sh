#!/usr/bin/env bash
# Builds Lorvane in Release and installs it (PREFIX, default /usr/local), then refreshes the
# desktop's MIME and application databases so that *.lvn files open with Lorvane.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${PREFIX:-/usr/local}
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j"$(nproc 2>/dev/null || echo 2)"
sudo=""
if [ ! -w "$prefix" ] && [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo cmake --install build/release --prefix "$prefix"
if command -v update-mime-database >/dev/null; then
  $sudo update-mime-database "$prefix/share/mime" || true
fi
if command -v update-desktop-database >/dev/null; then
  $sudo update-desktop-database "$prefix/share/applications" || true
fi
echo "Installed to $prefix: run 'lorvane' or open a .lvn file from your file manager."
