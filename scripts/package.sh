#!/usr/bin/env bash
# Builds the Debian package: a Release build of its own in build/package, packed by CPack into
# build/package/lorvane_<version>_<arch>.deb (no root rights needed). Prints the package's path.
# With a build folder as argument it only packs that build, which must be built already (the
# test command packs the build it has just tested rather than building it again).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  build=build/package
  scripts/deps.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLORVANE_TESTS=OFF >/dev/null
  cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"
else
  build=$1
  [ -f "$build/CPackConfig.cmake" ] || {
    echo "$build is not a configured build folder; build it first." >&2
    exit 1
  }
fi
# A package of an earlier version would leave two to choose from.
rm -f "$build"/lorvane_*.deb
(cd "$build" && cpack -G DEB)
echo "Package: $(ls "$build"/lorvane_*.deb)"
