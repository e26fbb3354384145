#!/usr/bin/env bash
# Takes a screenshot of the game as a player sees it: starts a private Xvfb, the built game from
# the repo root (where Data/ is), holds Space and Down for a while so that shots and monsters are
# on the screen, and writes the screen as a PNG. Stops everything it started, also on failure.
#   tools/screenshot.sh [out.png] [WIDTHxHEIGHT]     (default docs/screenshot.png, 800x600)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
size=${2:-800x600}
[ -x build/shooter ] || { echo "build/shooter is missing: run ./play.sh or ./test.sh first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  # The game first, so that it never sees its X server vanish.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to descriptor 3 once it is ready.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do grep -q . "$work/display" 2>/dev/null && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
[ "$DISPLAY" != ":" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }

./build/shooter &
pids+=($!)
sleep 2  # the first pictures
# Held, not tapped: the game reads the keyboard once a frame.
xdotool keydown space keydown Down
sleep 1.5
xdotool keyup Down
sleep 0.5
mkdir -p "$(dirname "$out")"
xwd -root -silent | convert xwd:- "$out"
xdotool keyup space
echo "wrote $out ($size)"
