#!/usr/bin/env bash
# Builds the desktop program and lets it take screenshots of every window under a virtual
# display, at 100 % and at 200 % scaling, into build/screenshots/ (or the folder given).
# Usage: scripts/screenshots.sh [--no-build LORVANE_BINARY] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--no-build" ]; then
  binary=$2
  shift 2
else
  cmake -S . -B build/ui -DLORVANE_WERROR=ON >/dev/null
  cmake --build build/ui --target lorvane -j"$(nproc 2>/dev/null || echo 2)"
  binary=build/ui/bin/lorvane
fi
out=${1:-build/screenshots}
mkdir -p "$out"

run() { # scale folder [extra arguments...]
  local scale=$1 folder=$2
  shift 2
  rm -rf "$folder"
  QT_SCALE_FACTOR=$scale LORVANE_SCREENSHOT_SCRIPT="$folder" \
    timeout 120 xvfb-run -a -s "-screen 0 1280x900x24" "$binary" "$@"
}

for scale in 1 2; do
  folder="$out/scale-${scale}00"
  run "$scale" "$folder"
  for map in examples/*.lvn; do
    [ -e "$map" ] || continue
    name="example-$(basename "$map" .lvn)"
    LORVANE_SCREENSHOT_TOUR=start LORVANE_SCREENSHOT_NAME="$name" \
      QT_SCALE_FACTOR=$scale LORVANE_SCREENSHOT_SCRIPT="$folder" \
      timeout 60 xvfb-run -a -s "-screen 0 1280x900x24" "$binary" "$map"
  done
  # The main window and its dialogs in each shipped language, and in the built-in English.
  for language in English German Russian; do
    sub="$folder/language-$language"
    mkdir -p "$sub"
    if [ "$language" != English ]; then
      printf '[Language]\r\nCurrentLanguage=%s.lng\r\n' "$language" >"$sub/lorvane.ini"
    fi
    LORVANE_SCREENSHOT_TOUR=language LORVANE_SCREENSHOT_NAME="language-$language" \
      QT_SCALE_FACTOR=$scale LORVANE_SCREENSHOT_SCRIPT="$sub" \
      timeout 60 xvfb-run -a -s "-screen 0 1280x900x24" "$binary"
    mv "$sub"/*.png "$folder"/
    rm -rf "$sub"
  done
  echo "Screenshots at ${scale}00 %: $(ls "$folder" | wc -l) files in $folder"
done
