#!/usr/bin/env bash
# The README's pictures: the start screen, the game window and the top-ten list of the real
# game, run from a copy in a scratch folder (so no real score file is touched) on a virtual
# X display and driven with key presses.
# Usage: tools/make-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs}
cmake --build "$build" -j2 --target dushihuolang
mkdir -p "$out"

scratch=$(mktemp -d)
cp "$build/app/dushihuolang" "$build/app/tips.txt" "$scratch/"

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -r -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1

# Waits for a shown window titled exactly $1 (other than window $2), gives it the keyboard
# and prints its id.
window() {
    local id=
    for _ in $(seq 40); do
        id=$(xdotool search --onlyvisible --name "^$1\$" | grep -vx "${2:-none}" | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.5
    done
    [ -n "$id" ] || { echo "no window \"$1\" showed" >&2; exit 1; }
    xdotool windowfocus "$id"
    sleep 0.5
    echo "$id"
}
shot() {
    # Let the window paint itself fully, the ticker included.
    sleep 1.5
    import -window "$1" "$out/$2"
    echo "$out/$2"
}

(cd "$scratch" && exec ./dushihuolang) &
game=$!

start=$(window "都市货郎记")
shot "$start" start-screen.png

# The list: from the name box, the fourth tab stop is "高分记录".
xdotool key --delay 80 Tab Tab Tab Tab space
shot "$(window "高手榜")" high-score-list.png
xdotool key Return

# A game: back in the name box (the focus came back to the list button, where Enter would open
# the list again), Enter starts it and Enter closes the welcome news; the game window shares
# the start screen's title.
window "都市货郎记" >/dev/null
xdotool key --delay 80 shift+Tab shift+Tab shift+Tab shift+Tab Return
window "北京新闻" >/dev/null
xdotool key Return
shot "$(window "都市货郎记" "$start")" game-window.png
