#!/usr/bin/env bash
# Screenshots of the real game window after a few days of trading and of each quantity and
# service dialog and of the two message dialogs, under a virtual X display.
# Usage: tools/window-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/screenshots}
gallery=$build/tests/screens/screens_gallery
cmake --build "$build" -j2 --target screens_gallery tips
# The ticker reads its tips beside the executable, as in the game.
cp "$build/app/tips.txt" "$(dirname "$gallery")/"
mkdir -p "$out"
for window in game buy sell amount bank hospital repay airport news diary; do
    tools/screenshot.sh "$out/$window.png" 3 "$gallery" "$window"
    echo "$out/$window.png"
done
