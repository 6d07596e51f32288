#!/bin/bash
# End-to-end run of the real program under Xvfb, driven by real X input:
# choose a world, start a game, hover the board, select a unit, move it, end
# the turn, leave through the exit screen and quit from the title screen.
#
#   play_e2e.sh <build-out-dir> [screenshot-dir]
#
# Exits 0 when the program went through all of it and ended with exit code 0
# within the time limit.
set -u

OUT=${1:?usage: play_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots}
LIMIT=${SD_E2E_LIMIT:-60}
GAME="$OUT/sternenduell"

[ -x "$GAME" ] || { echo "no game at $GAME" >&2; exit 2; }
mkdir -p "$SHOTS"

# A free display number: no lock file and no socket.
for n in $(seq 91 160); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUM=$n; break; fi
done
[ -n "${DISPLAY_NUM:-}" ] || { echo "no free X display" >&2; exit 2; }
export DISPLAY=":$DISPLAY_NUM"

XVFB_PID=
GAME_PID=
cleanup() {
    # The game first, so that it does not lose its X server under its feet.
    if [ -n "$GAME_PID" ]; then
        kill "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 2; }

START=$(date +%s)
SDL_AUDIODRIVER=dummy "$GAME" -NOSCREEN -NOSOUND &
GAME_PID=$!

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    exit 1
}
alive() { kill -0 "$GAME_PID" 2>/dev/null; }
shot() { import -window root -depth 8 "$SHOTS/$1.png" 2>/dev/null; }
step=0
snap() { step=$((step + 1)); shot "$(printf '%02d' $step)_$1"; }

WID=$(timeout 20 xdotool search --sync --onlyvisible --name Sternenduell 2>/dev/null | head -n1)
[ -n "$WID" ] || fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$WID")"   # X, Y, WIDTH, HEIGHT
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}, not 800x600"

# Canvas pixel (x, y) -> the window (it shows the canvas one to one).
move() { xdotool mousemove --window "$WID" "$1" "$2"; sleep "${3:-0.15}"; }
click() {
    move "$1" "$2" 0.1
    move "$(( $1 + 1 ))" "$2" 0.1   # a real movement, so the hover looks are shown
    xdotool click 1
    sleep "${3:-0.8}"
    alive || fail "the game ended unexpectedly after a click at ($1, $2)"
}

# The colour of one canvas pixel as #RRGGBB.
pixel() {
    import -window "$WID" -depth 8 -crop "1x1+$1+$2" +repage txt:- 2>/dev/null | tail -n1 | grep -o '#[0-9A-F]\{6\}'
}
# wait_for <what> <x> <y> <colour> [not]: until the pixel has (or no longer has) the colour.
wait_for() {
    local what=$1 x=$2 y=$3 colour=$4 negate=${5:-}
    for _ in $(seq 1 100); do
        local now
        now=$(pixel "$x" "$y")
        if [ -z "$negate" ] && [ "$now" = "$colour" ]; then return 0; fi
        if [ -n "$negate" ] && [ -n "$now" ] && [ "$now" != "$colour" ]; then return 0; fi
        alive || fail "the game ended while waiting for $what"
        sleep 0.2
    done
    fail "no $what (pixel ($x, $y) is $(pixel "$x" "$y"))"
}
# Landmarks: the thin border of the first world preview (title screen) and the
# title bar of the exit dialog.
PREVIEW_BORDER="#46506E"
DIALOG_BAR="#1E285A"

wait_for "title screen" 60 290 "$PREVIEW_BORDER"
snap title
# World 3 ("Dunkler Kern"): fourth preview of the first row.
click 530 325
snap world3_chosen
# "Spiel starten"
click 120 557 0.3
wait_for "game screen" 60 290 "$PREVIEW_BORDER" not
sleep 0.5
snap game_started
# Over the board: a few cells, then the blue unit at cell (1, 1).
for p in "300 200" "420 260" "600 120" "105 90"; do move $p 0.2; done
click 105 90
snap unit_selected
# An empty cell in reach: (2, 1).
click 165 90
snap unit_moved
# "Zug beenden": button 1 at (16, 59) of the info panel, whose top is 430.
click 90 504 1.2
snap turn_ended
# "Verlassen": button 2 at (16, 97), then the exit screen's first button.
click 90 542 0.3
wait_for "exit screen" 480 185 "$DIALOG_BAR"
snap exit_screen
click 398 309 0.3
wait_for "title screen after the game" 60 290 "$PREVIEW_BORDER"
snap back_at_title
# "Beenden": the program ends, so no check that it is still alive.
move 680 557 0.1
move 681 557 0.1
xdotool click 1

while alive; do
    if [ $(( $(date +%s) - START )) -ge "$LIMIT" ]; then
        fail "the program did not end within $LIMIT s"
    fi
    sleep 0.2
done
wait "$GAME_PID"
RC=$?
GAME_PID=
[ "$RC" -eq 0 ] || fail "the program exited with $RC"
echo "PASS: played and quit in $(( $(date +%s) - START )) s; screenshots in $SHOTS"
