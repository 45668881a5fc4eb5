#!/usr/bin/env bash
# Start-up time, peak memory and idle processor time of the game, each beside an empty Qt
# dialog of the same size measured in the same run, under a private Xvfb.
#   tools/bench.sh [runs, default 5]
# Environment: BENCH_BUILD_DIR (default build, what make play builds), BENCH_NO_BUILD=1 to
# use that build as it is, IDLE_SECONDS (default 10).
#
# Start time: from just before the process is started to the moment its first window is
# mapped (visible), found by polling the X server every 5 ms with xdotool. Both programs are
# timed the same way, so the polling cost cancels out of the ratio.
# Peak memory: the maximum resident set size that /usr/bin/time -v reports for the process.
# Idle: utime + stime from /proc/<pid>/stat over IDLE_SECONDS while the game window is open
# and its ticker runs; the bare dialog simply sits there, and the strip dialog repaints a strip
# of the ticker's size (390 x 20 of the game window's 412 x 383 dialog units) 25 times a second.
# Figures are medians over the runs. The start screen is held to the same empty dialog showing
# the start screen's texts in one label (text_dialog), which tells what Chinese text costs;
# it lays that text out before it maps, as the game's dialogs must, so that mapping marks the
# same point in both.
# Limits: start at most 1.2 and its peak memory at most 1.1 times text_dialog's; the game idle
# at most 1.5 times the strip dialog and at most 1.25 % of one core.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-5}"
idle="${IDLE_SECONDS:-10}"
build="${BENCH_BUILD_DIR:-build}"
title="都市货郎记"

if [ "${BENCH_NO_BUILD:-0}" != 1 ]; then
  cmake -S . -B "$build" -G Ninja >/dev/null
  cmake --build "$build" -j"${JOBS:-2}" --target dushihuolang bare_dialog
fi
bare="$build/tools/bare_dialog/bare_dialog"

work=$(mktemp -d)
# The game runs from a copy of its own folder: every idle run ends it in the middle of a game,
# which it keeps beside itself and would offer at the next start.
cp "$build/app/dushihuolang" "$build/app/tips.txt" "$work/"
game="$work/dushihuolang"
display=":$((90 + RANDOM % 400))"
Xvfb "$display" -r -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
started_pids=()
cleanup() {
  for p in "${started_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
for _ in $(seq 200); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

now_ns() { date +%s%N; }

# Prints the id of a visible window named $1 that is not among the ids in $2.
find_window() {
  local deadline=$(( $(now_ns) + 20000000000 )) id
  while [ "$(now_ns)" -lt "$deadline" ]; do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      case " $2 " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    sleep 0.005
  done
  echo "bench: no window named '$1' appeared" >&2
  if [ -n "${launched_pid:-}" ] && kill -0 "$launched_pid" 2>/dev/null; then
    echo "bench: its process $launched_pid is still running" >&2
  elif [ -s "${time_log:-}" ]; then
    grep -E 'Exit status|Command terminated' "$time_log" | sed 's/^\s*/bench: /' >&2
  fi
  return 1
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

cpu_percent() { # ticks seconds
  awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v s="$2" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

# Starts a program under /usr/bin/time in this shell (not a subshell, so that it can be
# waited for); sets launched_pid (the program itself), launched_time_pid and time_log.
launch() {
  time_log="$work/time.${#started_pids[@]}"
  /usr/bin/time -v -o "$time_log" "$@" >/dev/null 2>&1 &
  launched_time_pid=$!
  started_pids+=("$launched_time_pid")
  launched_pid=""
  for _ in $(seq 400); do
    launched_pid=$(pgrep -P "$launched_time_pid" || true)
    [ -n "$launched_pid" ] && break
    sleep 0.005
  done
}

# Ends the launched program; sets peak_kb.
finish() {
  kill "$launched_pid" 2>/dev/null || true
  wait "$launched_time_pid" 2>/dev/null || true
  peak_kb=$(sed -n 's/^\s*Maximum resident set size (kbytes): //p' "$time_log")
}

# Sets win_w and win_h.
window_size() {
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
  win_w=$WIDTH
  win_h=$HEIGHT
}

# Time to the first shown window of a program: sets start_ms, peak_kb, win_w, win_h.
measure_start() { # window-name program [args]
  local name=$1 t0 id
  shift
  t0=$(now_ns)
  launch "$@"
  id=$(find_window "$name" "")
  start_ms=$(( ($(now_ns) - t0) / 1000000 ))
  window_size "$id"
  finish
}

# Sits for $idle seconds with the window shown: sets idle_cpu and peak_kb.
measure_idle_of_launched() {
  local before after
  sleep 1
  before=$(cpu_ticks "$launched_pid")
  sleep "$idle"
  after=$(cpu_ticks "$launched_pid")
  idle_cpu=$(cpu_percent $((after - before)) "$idle")
  finish
}

# Opens the game window from the start screen (Enter in the name box, Enter on the welcome
# news) and idles in it with the ticker running: sets idle_cpu, peak_kb, win_w, win_h.
idle_game() {
  local start_id news_id game_id
  launch "$game"
  start_id=$(find_window "$title" "")
  xdotool windowfocus --sync "$start_id" 2>/dev/null || xdotool windowfocus "$start_id"
  xdotool key Return
  news_id=$(find_window "北京新闻" "")
  xdotool windowfocus "$news_id"
  xdotool key Return
  game_id=$(find_window "$title" "$start_id")
  window_size "$game_id"
  measure_idle_of_launched
  rm -f "$work/savedgame.txt"
}

idle_bare() { # width height
  launch "$bare" "$1" "$2" bare_dialog
  find_window bare_dialog "" >/dev/null
  measure_idle_of_launched
}

idle_strip() { # width height
  launch "$bare" "$1" "$2" strip_dialog --strip $(( $1 * 390 / 412 )) $(( $2 * 20 / 383 ))
  find_window strip_dialog "" >/dev/null
  measure_idle_of_launched
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'; }

# The start screen's texts, as its template lists them.
texts="$work/start_texts.txt"
grep -o 'ControlKind::[A-Za-z]*, "[^"]*"' screens/StartDialog.cpp | sed 's/^[^"]*"//; s/"$//' >"$texts"
[ -s "$texts" ] || { echo "bench: found no texts in screens/StartDialog.cpp" >&2; exit 1; }

# A first start of each warms the disk cache and fontconfig's, and gives the window sizes.
measure_start "$title" "$game"
start_w=$win_w
start_h=$win_h
measure_start bare_dialog "$bare" "$start_w" "$start_h" bare_dialog
measure_start text_dialog "$bare" "$start_w" "$start_h" text_dialog "$texts"

: >"$work/start"
for _ in $(seq "$runs"); do
  measure_start "$title" "$game"
  line="$start_ms $peak_kb"
  measure_start bare_dialog "$bare" "$start_w" "$start_h" bare_dialog
  line="$line $start_ms $peak_kb"
  measure_start text_dialog "$bare" "$start_w" "$start_h" text_dialog "$texts"
  echo "$line $start_ms $peak_kb" >>"$work/start"
done

: >"$work/idle"
idle_runs=$(( runs < 3 ? runs : 3 ))
for _ in $(seq "$idle_runs"); do
  idle_game
  line="$idle_cpu $peak_kb"
  game_w=$win_w
  game_h=$win_h
  idle_bare "$game_w" "$game_h"
  line="$line $idle_cpu $peak_kb"
  idle_strip "$game_w" "$game_h"
  echo "$line $idle_cpu $peak_kb" >>"$work/idle"
done

col() { awk -v c="$2" '{ print $c }' "$1" | median; }
gs=$(col "$work/start" 1); gsm=$(col "$work/start" 2); bs=$(col "$work/start" 3); bsm=$(col "$work/start" 4)
ts=$(col "$work/start" 5); tsm=$(col "$work/start" 6)
gi=$(col "$work/idle" 1); gim=$(col "$work/idle" 2); bi=$(col "$work/idle" 3); bim=$(col "$work/idle" 4)

si=$(col "$work/idle" 5)
within() { awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b) ? "yes" : "NO" }'; }

echo
echo "start screen ${start_w}x${start_h}, game window ${game_w}x${game_h}; medians of $runs start runs, $idle_runs idle runs of ${idle}s"
printf '%-34s %12s %12s %12s %8s %8s %6s\n' "" game bare_dialog text_dialog ratio limit within
printf '%-34s %12s %12s %12s %8s %8s %6s\n' "start to first window shown (ms)" "$gs" "$bs" "$ts" \
  "$(ratio "$gs" "$ts")" "<=1.2" "$(within "$(ratio "$gs" "$ts")" 1.2)"
printf '%-34s %12s %12s %12s %8s %8s %6s\n' "peak RSS, start screen (kB)" "$gsm" "$bsm" "$tsm" \
  "$(ratio "$gsm" "$tsm")" "<=1.1" "$(within "$(ratio "$gsm" "$tsm")" 1.1)"
echo
printf '%-34s %12s %12s %12s %8s %8s %6s\n' "" game bare_dialog strip_dialog ratio limit within
printf '%-34s %12s %12s %12s %8s %8s %6s\n' "idle CPU, % of one core" "$gi" "$bi" "$si" \
  "$(ratio "$gi" "$si")" "<=1.5" "$(within "$(ratio "$gi" "$si")" 1.5)"
printf '%-34s %12s %12s %12s %8s %8s %6s\n' "idle CPU of the game, % of one core" "$gi" "" "" "" "<=1.25" \
  "$(within "$gi" 1.25)"
printf '%-34s %12s %12s %12s %8s\n' "peak RSS, game window idle (kB)" "$gim" "$bim" "$(col "$work/idle" 6)" \
  "$(ratio "$gim" "$bim")"
echo
echo "raw runs (start: game ms kB, bare ms kB, text ms kB; idle: game % kB, bare % kB, strip % kB):"
sed 's/^/  start /' "$work/start"
sed 's/^/  idle  /' "$work/idle"
