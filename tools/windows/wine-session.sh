#!/bin/bash
# Runs one command (and all it starts) against Wine the way the Windows tests need it:
#   - a private Xvfb screen of 800 × 600 × 24, the game's own mode, so that full screen needs no
#     scaling and a screenshot shows the game's pixels as drawn;
#   - Debian's wine64 with a prefix kept in the cache next to SDL2 (made on first use: it is
#     about 700 MB and takes a while to set up);
#   - a wineserver of its own that stays up for the whole command, so that each of the many
#     short wine starts of a test run is quick.
# Sessions on one prefix take turns (a lock), because ending one stops every Wine program of the
# prefix. Everything started here is stopped on the way out, also when the command fails.
# The command finds the Wine binary in $SHOOTER_WINE and the screen in $DISPLAY.
set -euo pipefail

cache=${XDG_CACHE_HOME:-$HOME/.cache}/shooter
mkdir -p "$cache"

SHOOTER_WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export SHOOTER_WINE
export WINEPREFIX="$cache/wine-prefix"
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or browser engine: they would ask to be downloaded, and no test needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

exec 9>"$WINEPREFIX.lock"
flock 9

xvfb_pid=
xvfb_log=$(mktemp)
stop_all() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "$xvfb_log"
}
trap stop_all EXIT

# A display number well away from the usual :0 and :99. Xvfb itself refuses one that is taken,
# so two sessions racing for a number cannot both get it: the loser tries the next.
for number in $(seq 140 199); do
    [[ -e /tmp/.X$number-lock ]] && continue
    Xvfb ":$number" -screen 0 800x600x24 -nolisten tcp >"$xvfb_log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -S /tmp/.X11-unix/X$number ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -S /tmp/.X11-unix/X$number ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        export DISPLAY=":$number"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done
if [[ -z $xvfb_pid ]]; then
    echo "no free X display for Xvfb:" >&2
    cat "$xvfb_log" >&2
    exit 1
fi

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    "$SHOOTER_WINE" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
fi
"$wineserver" -p
# Wine's own background services start with the first program and inherit its output. Started
# here, they hold /dev/null open, not the pipe of a test runner that would wait for it to close.
"$SHOOTER_WINE" cmd /c exit </dev/null >/dev/null 2>&1

"$@"
