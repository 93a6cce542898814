#!/usr/bin/env bash
# Refreshes the default language file and checks the shipped translations against it: builds
# the screenshot tour and starts it once without a screen for the start picture only (the
# windows write Language.lng into the program folder, then it quits), then runs
# scripts/languages.py. Pass --update to add missing keys (in English, for a translator) and
# drop keys the program no longer has.
# Usage: scripts/languages.sh [--update]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LORVANE_BUILD:-build/ui}
cmake -S . -B "$build" -DLORVANE_WERROR=ON >/dev/null
cmake --build "$build" --target lorvane-tour -j"$(nproc 2>/dev/null || echo 2)" >/dev/null
program="$build/bin"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
rm -f "$program/Language.lng"
QT_QPA_PLATFORM=offscreen timeout 60 "$program/lorvane-tour" --start start "$shots" 2>/dev/null
python3 scripts/languages.py "$program/Language.lng" "$@"
