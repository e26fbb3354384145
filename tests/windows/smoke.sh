#!/bin/bash
# Plays the packed Windows game for a few seconds under Wine, as a player would see it:
#   tools/windows/wine-session.sh tests/windows/smoke.sh build-windows
# Unpacks build-windows/shooter-windows.zip into a folder of its own, starts shooter.exe there
# and checks that
#   - the window "Vollbild" appears and shows the navy playfield with the player at (1, 2);
#   - while another window has the focus the game presents nothing (the picture stands still);
#   - brought back to the front (as Alt+Tab would), it shows the whole picture again and the
#     arrow keys move the player;
#   - Escape, held for a few frames, ends the game with exit code 0.
# There is no window manager: the script gives the X focus itself, where a manager would.
# Keys are held with keydown/keyup: a press and release at once may fall between two keyboard
# snapshots and never be seen.
set -euo pipefail

build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
: "${SHOOTER_WINE:?run me through tools/windows/wine-session.sh}" "${DISPLAY:?}"

work=$(mktemp -d)
game_pid=
other_pid=
stop_all() {
    if [[ -n $game_pid ]]; then kill -9 "$game_pid" 2>/dev/null || true; fi
    if [[ -n $other_pid ]]; then kill "$other_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap stop_all EXIT

# Each check that holds is counted; the first that fails ends the test.
passed=0
pass() {
    echo "smoke test: $*"
    passed=$((passed + 1))
}
fail() {
    echo "smoke test: $*" >&2
    echo "smoke: $passed passed, 1 failed"
    exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

hold_key() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

screenshot() {
    xwd -root -silent > "$work/$1.xwd"
}

# "player at X Y" for the player found on row 2 of a screenshot, or what is wrong with it.
player_in() {
    "$here/check_screen.py" "$work/$1.xwd" "$work/game/Data/Dude.bmp" 2 2>&1
}

# Takes screenshot $1 and succeeds when it shows the player on row 2 at x = $2.
shows_player_at() {
    screenshot "$1"
    [[ $(player_in "$1") == "player at $2 2" ]]
}

window_named() {
    xdotool search --onlyvisible --name "$1" | head -n 1 | grep .
}

unzip -q "$build/shooter-windows.zip" -d "$work/game"
(cd "$work/game" && exec "$SHOOTER_WINE" shooter.exe) &
game_pid=$!

wait_for 30 window_named '^Vollbild$' || fail 'no window "Vollbild" appeared'
game_window=$(window_named '^Vollbild$')
xdotool windowfocus --sync "$game_window"
wait_for 10 shows_player_at start 1 || fail "start picture: $(player_in start)"
pass "window Vollbild shows the navy playfield with the player at (1, 2)"

xlogo -geometry 200x200+300+200 &
other_pid=$!
wait_for 10 window_named '^xlogo$' || fail "the other window did not appear"
xdotool windowfocus --sync "$(window_named '^xlogo$')"
sleep 1
screenshot away1
sleep 0.5
screenshot away2
cmp -s "$work/away1.xwd" "$work/away2.xwd" ||
    fail "the picture still changes while another window has the focus"
pass "in the background the game presents nothing"

# What a window manager does on Alt+Tab: raise the window and give it the X focus, then (as
# Windows' task switcher does) restore it and bring it to the front. The focus goes first:
# Wine, seeing it elsewhere after the restore, would send the game straight back.
xdotool windowraise "$game_window"
xdotool windowfocus --sync "$game_window"
"$SHOOTER_WINE" "$build/tests/windows/switch_to_window.exe" Vollbild ||
    fail "could not bring the game back to the front"
wait_for 10 shows_player_at back 1 || fail "picture after coming back: $(player_in back)"
hold_key Right 0.5
screenshot moved
moved=$(player_in moved)
[[ $moved == "player at "* && $moved != "player at 1 2" ]] ||
    fail "after coming back Right did not move the player: $moved"
pass "back in front the picture is whole again and Right moves the player ($moved)"

hold_key Escape 0.3
wait_for 20 bash -c "! kill -0 $game_pid" || fail "the game still runs 20 s after Escape"
status=0
wait "$game_pid" || status=$?
game_pid=
((status == 0)) || fail "the game exited with $status after Escape"
pass "Escape ends the game with exit code 0"
echo "smoke: $passed passed, 0 failed"
