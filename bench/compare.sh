#!/usr/bin/env bash
# Measures the game against the floor (bench/floor.cpp) on one private Xvfb screen of 800 × 600:
# the two run alternately, three times each, for about 5 s of play after their window is mapped.
# Per run it reads, from /proc, the CPU seconds (utime + stime of all threads) per second of play,
# the peak resident memory (VmHWM, just before stopping) and the time from start to the window
# being mapped; the X server's CPU over the same seconds is shown beside them, since a program can
# hand its work to the server. Then it prints the medians of the three runs as game against floor.
# Usage: bench/compare.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
play_seconds=5
runs=3

[ -d Data ] || { echo "compare.sh: Data/ with the game's sprites is missing" >&2; exit 1; }
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target shooter floor >/dev/null

display=100
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display" SDL_VIDEODRIVER=x11
# Without -noreset the server resets whenever its last client leaves (between two runs, or after
# a poll), and a program that connects meanwhile fails; SDL would then try its other video
# drivers and show no window at all, so it is told to use X11 only.
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
program=""
line=""
cleanup() {
  [ -n "$program" ] && kill -KILL "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "compare.sh: Xvfb did not start" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
now_ns() { date +%s%N; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }  # utime + stime, all threads

# run_one NAME TITLE COMMAND...: sets line to "NAME cpu_per_second peak_mib window_ms xserver_cpu".
# It runs in this shell, not in a subshell, so that cleanup knows the program to stop.
run_one() {
  local name=$1 title=$2
  shift 2
  local started mapped
  started=$(now_ns)
  "$@" >/dev/null &
  program=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$program" 2>/dev/null || { echo "compare.sh: $name ended before its window showed" >&2; exit 1; }
    if [ $(($(now_ns) - started)) -gt 20000000000 ]; then
      echo "compare.sh: $name showed no window within 20 s" >&2
      exit 1
    fi
    sleep 0.005
  done
  mapped=$(now_ns)
  local cpu0 server0 cpu1 server1 peak_kib ended
  cpu0=$(cpu_ticks "$program")
  server0=$(cpu_ticks "$xvfb")
  sleep "$play_seconds"
  cpu1=$(cpu_ticks "$program")
  server1=$(cpu_ticks "$xvfb")
  ended=$(now_ns)
  peak_kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$program/status")
  xdotool keydown Escape
  sleep 0.2
  xdotool keyup Escape
  for _ in $(seq 60); do kill -0 "$program" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$program" 2>/dev/null; then
    echo "compare.sh: $name did not stop on Escape" >&2
    exit 1
  fi
  wait "$program" || { echo "compare.sh: $name exited with $?" >&2; exit 1; }
  program=""
  line=$(awk -v n="$name" -v c=$((cpu1 - cpu0)) -v s=$((server1 - server0)) -v t="$ticks" \
      -v wall=$((ended - mapped)) -v kib="$peak_kib" -v win=$((mapped - started)) \
      'BEGIN { printf "%s %.4f %.2f %.0f %.4f\n", n, c / t / (wall / 1e9), kib / 1024,
               win / 1e6, s / t / (wall / 1e9) }')
}

results=$(mktemp)
trap 'cleanup; rm -f "$results"' EXIT
printf '%-8s %14s %10s %10s %14s\n' run "CPU s/s" "peak MiB" "window ms" "X server s/s"
for run in $(seq "$runs"); do
  for which in floor shooter; do
    if [ "$which" = floor ]; then
      run_one floor Floor "$build/bench/floor"
    else
      run_one shooter Vollbild "$build/shooter"
    fi
    echo "$line" >>"$results"
    read -r name cpu peak window server <<<"$line"
    printf '%-8s %14s %10s %10s %14s\n' "$name $run" "$cpu" "$peak" "$window" "$server"
  done
done

awk -v runs="$runs" '
  function median(a, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return a[int((n + 1) / 2)]
  }
  { k = ++count[$1]; cpu[$1, k] = $2; peak[$1, k] = $3; win[$1, k] = $4 }
  END {
    for (p = 0; p < 2; p++) {
      name = p ? "shooter" : "floor"
      for (k = 1; k <= runs; k++) { c[k] = cpu[name, k]; m[k] = peak[name, k]; w[k] = win[name, k] }
      mc[name] = median(c, runs); mm[name] = median(m, runs); mw[name] = median(w, runs)
    }
    printf "\nmedians of %d runs    floor    shooter   game against floor   target\n", runs
    ratio = mc["shooter"] / mc["floor"]
    printf "CPU s per s of play  %7.4f  %9.4f   %6.2f x              <= 1.25 x   %s\n",
           mc["floor"], mc["shooter"], ratio, ratio <= 1.25 ? "met" : "MISSED"
    diff = mm["shooter"] - mm["floor"]
    printf "peak memory MiB      %7.1f  %9.1f   %+6.1f MiB           <= +8 MiB   %s\n",
           mm["floor"], mm["shooter"], diff, diff <= 8 ? "met" : "MISSED"
    late = mw["shooter"] - mw["floor"]
    printf "window shown ms      %7.0f  %9.0f   %+6.0f ms            <= +150 ms  %s\n",
           mw["floor"], mw["shooter"], late, late <= 150 ? "met" : "MISSED"
  }' "$results"
