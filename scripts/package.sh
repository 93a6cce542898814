#!/usr/bin/env bash
# Builds the Debian package: a Release build of its own in build/package, packed by CPack into
# build/package/lorvane_<version>_<arch>.deb (no root rights needed). Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=build/package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLORVANE_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"
# A package of an earlier version would leave two to choose from.
rm -f "$build"/lorvane_*.deb
(cd "$build" && cpack -G DEB)
echo "Package: $(ls "$build"/lorvane_*.deb)"
