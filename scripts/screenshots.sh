#!/usr/bin/env bash
# Builds the screenshot tour and lets it take screenshots of every window under a virtual
# display, at 100 % and at 200 % scaling, into build/screenshots/ (or the folder given).
# Usage: scripts/screenshots.sh [--no-build TOUR_BINARY] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--no-build" ]; then
  binary=$2
  shift 2
else
  cmake -S . -B build/ui -DLORVANE_WERROR=ON >/dev/null
  cmake --build build/ui --target lorvane-tour -j"$(nproc 2>/dev/null || echo 2)"
  binary=build/ui/bin/lorvane-tour
fi
out=${1:-build/screenshots}
mkdir -p "$out"

tour() { # scale seconds tour-arguments...; the screen is SCREEN, 1280x900 unless set
  local scale=$1 seconds=$2
  shift 2
  QT_SCALE_FACTOR=$scale timeout "$seconds" xvfb-run -a -s "-screen 0 ${SCREEN:-1280x900}x24" \
    "$binary" "$@"
}

for scale in 1 2; do
  folder="$out/scale-${scale}00"
  rm -rf "$folder"
  tour "$scale" 120 "$folder"
  # An eight-variable map on a laptop's screen.
  SCREEN=1366x768 tour "$scale" 60 --fit "fit-eight-variables-1366x768" "$folder"
  for map in examples/*.lvn; do
    [ -e "$map" ] || continue
    tour "$scale" 60 --start "example-$(basename "$map" .lvn)" "$folder" "$map"
  done
  # The main window and its dialogs in each shipped language, and in the built-in English.
  for language in English German Russian; do
    sub="$folder/language-$language"
    mkdir -p "$sub"
    if [ "$language" != English ]; then
      printf '[Language]\r\nCurrentLanguage=%s.lng\r\n' "$language" >"$sub/lorvane.ini"
    fi
    tour "$scale" 60 --language "language-$language" "$sub"
    mv "$sub"/*.png "$folder"/
    rm -rf "$sub"
  done
  echo "Screenshots at ${scale}00 %: $(ls "$folder" | wc -l) files in $folder"
done
