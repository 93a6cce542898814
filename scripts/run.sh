#!/usr/bin/env bash
# Builds Lorvane and starts the desktop program; extra arguments go to the program
# (for example a map file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j"$(nproc 2>/dev/null || echo 2)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start the window under a virtual display with:"
  echo "  xvfb-run -a build/release/bin/lorvane $*"
  echo "or use the command-line tool, for example:"
  echo "  build/release/bin/lorvane-cli analyze --vars 3 --ones 2,3,5,7"
  exit 1
fi
exec build/release/bin/lorvane "$@"
