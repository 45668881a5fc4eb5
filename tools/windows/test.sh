#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, headless, in a fresh Wine prefix of a temporary
# folder: the cross-built suites through ctest on the real "windows" platform of Qt, and the
# game from its zip, played with keys (tests/windows/play_test.py).
#   tools/windows/test.sh [windows build folder [ctest options]]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$(cd "${1:-build-windows}" && pwd)"

scratch="$(mktemp -d)"
export WINEPREFIX="$scratch/wine" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs: the game needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
helpers=()
cleanup() {
  wineserver -k 2>/dev/null || true
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# A display with a window manager that keeps no key of its own (Alt+Space is the system menu's).
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -r -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
helpers+=($!)
read -r -t 20 display <&"$displayfd"
export DISPLAY=":$display"
echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/><mouse/></openbox_config>' >"$scratch/rc.xml"
openbox --config-file "$scratch/rc.xml" >/dev/null 2>&1 &
helpers+=($!)

started=$SECONDS
# One server for all the tests: each program then starts in a fraction of a second.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1
# Wine passes no QT_ variable from the environment to a program, but adds those of the
# registry: the tests use the platform a player's Windows gives the game, not "offscreen".
wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d windows /f >/dev/null 2>&1
# Wine's own menus and captions in a Chinese font, as a Chinese Windows draws them.
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
done
echo "== a fresh Wine prefix in $((SECONDS - started)) s"

# The cross-built tests find the Qt and runtime DLLs through WINEPATH.
search=""
while IFS= read -r folder; do
  search+="$(winepath -w "$folder");"
done < <(sed -n 's/^GAME_DLL_SEARCH_PATH:INTERNAL=//p' "$build/CMakeCache.txt" | tr ';' '\n')
export WINEPATH="$search"

# Now and then Wine fails to start a program at all: it ends at once, before the program's
# first line of output. Such a test is run once more; a real failure fails both times.
ctest --test-dir "$build" --output-on-failure -j"${JOBS:-2}" --repeat until-pass:2 "${@:2}"
