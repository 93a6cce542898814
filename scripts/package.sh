#!/usr/bin/env bash
# Builds the Debian package: a Release build of its own in build/package, packed by CPack into
# build/package/lorvane_<version>_<arch>.deb (no root rights needed). Prints the package's path.
# With a build folder as argument it packs that build instead (the test command packs the build
# it has just tested rather than compiling everything a third time).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${1:-build/package}
if [ $# -eq 0 ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLORVANE_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"
# A package of an earlier version would leave two to choose from.
rm -f "$build"/lorvane_*.deb
(cd "$build" && cpack -G DEB)
echo "Package: $(ls "$build"/lorvane_*.deb)"
