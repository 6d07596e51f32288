#!/bin/bash
# End-to-end: the game ended by a signal, and Alt+Enter, under Xvfb.
#
#  1. In a window (-NOSCREEN): Alt+Enter makes the window the whole 1024 x 768
#     screen and a second one gives back the 800 x 600 window; full screen by
#     Alt+Enter again, SIGTERM ends the game with status 143 and its window
#     is gone.
#  2. Full screen from the start (no -NOSCREEN): SIGTERM ends it with 143;
#     started again, SIGINT with 130.
#  3. An error shown: with a broken worlds.dat, "Spiel starten" reports it,
#     in SDL's box (drawn by a child process of the game) where SDL can draw
#     one, else in the game's own panel or on standard error. SIGTERM ends the
#     game with 143, and no child process of it is left behind.
#  4. Full screen by Alt+Enter, then "Beenden": the game ends with status 0.
#
#   signals_e2e.sh <build-out-dir> [screenshot-dir]
#
# Each case runs on an X server of its own. Exits 0 when every check held.
set -u

OUT=${1:?usage: signals_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots-signals}
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

e2e_prepare
cp "$OUT/worlds.dat" "$GAMEDIR/worlds.dat" || exit 2

# The game as a terminal starts it. A script's background job has SIGINT and
# SIGQUIT ignored, and the game leaves a signal it was started with ignored
# alone (as under nohup); env puts them back to their default first.
# exec keeps the pid, so $GAME_PID is the game's.
cat >"$GAMEDIR/run-game" <<EOF
#!/bin/sh
exec env --default-signal=INT,QUIT "$GAMEDIR/sternenduell" "\$@"
EOF
chmod +x "$GAMEDIR/run-game"
GAME="$GAMEDIR/run-game"

# The X server of the case before, once its game has ended.
stop_x() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
}

window_size() {
    # shellcheck disable=SC2034  # all five are set by xdotool's answer
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$WID" 2>/dev/null)"
    echo "${WIDTH:-?}x${HEIGHT:-?}"
}

# shows <picture>: $SHOT, taken back to the canvas's 800 x 600 by picking the
# pixel under each canvas pixel's centre, is that picture (the window's
# scaling picks the same pixels the other way round).
shows() {
    local n
    convert "$SHOT" -sample '800x600!' "$GAMEDIR/grabs/sampled.bmp" || fail "cannot scale $SHOT"
    n=$(differing "$GAMEDIR/grabs/sampled.bmp" "$1")
    WHY="$n pixels of the window, taken back to the canvas's size, differ from $1"
    [ "$n" -eq 0 ]
}

# alt_enter <size>: Alt+Enter on the game window (the pointer over it gives
# it the keyboard: there is no window manager); then the window is that size
# and shows the canvas of $CANVAS, scaled to it.
alt_enter() {
    local want=$1 now=
    xdotool key alt+Return
    for _ in $(seq 1 30); do
        now=$(window_size)
        [ "$now" = "$want" ] && break
        sleep 0.1
    done
    [ "$now" = "$want" ] || fail "after Alt+Enter the window is $now, not $want"
    wait_until "the canvas shown in the $want window" 5 shows "$CANVAS"
}

# end_by <signal> <status>: the signal ends the game within 5 s with that
# status, and its window is gone.
end_by() {
    local sig=$1 want=$2 rc
    kill -s "$sig" "$GAME_PID" || fail "cannot send SIG$sig"
    for _ in $(seq 1 50); do
        alive || break
        sleep 0.1
    done
    alive && fail "the game still runs 5 s after SIG$sig"
    wait "$GAME_PID"
    rc=$?
    GAME_PID=
    [ "$rc" -eq "$want" ] || fail "SIG$sig ended the game with status $rc, not $want"
    [ -z "$(xdotool search --onlyvisible --name Sternenduell 2>/dev/null)" ] || fail "a game window is left after SIG$sig"
    [ "$(xdotool getdisplaygeometry)" = "1024 768" ] || fail "the screen is $(xdotool getdisplaygeometry) after SIG$sig"
    echo "ok: SIG$sig, status $rc"
}

# --- 1. a window, Alt+Enter, SIGTERM --------------------------------------
e2e_start
# The pointer where it hovers over nothing, in the window and on the whole screen.
move 400 200
grab "$GAMEDIR/grabs/canvas.bmp"
CANVAS=$SHOT
alt_enter 1024x768
keep alt_enter_full_screen
alt_enter 800x600
alt_enter 1024x768
end_by TERM 143
stop_x

# --- 2. full screen from the start ----------------------------------------
GAME_ARGS="-NOSOUND" GAME_WINDOW=1024x768 e2e_start
end_by TERM 143
stop_x
GAME_ARGS="-NOSOUND" GAME_WINDOW=1024x768 e2e_start
end_by INT 130
stop_x

# --- 3. an error on the screen ---------------------------------------------
# World 0 (the one chosen at the start) with no columns: loading it fails.
sed 's/^Raster_max_x=.*/Raster_max_x=0/' "$OUT/worlds.dat" >"$GAMEDIR/worlds.dat" || exit 2
e2e_start
grab "$GAMEDIR/grabs/before.bmp"
BEFORE=$SHOT
PANEL_AREA=400x200+200+200
# shown: SDL's box process runs, or the middle of the window changed (a
# panel of the game's own).
shown() {
    BOX=$(pgrep -P "$GAME_PID")
    [ -n "$BOX" ] && { HOW="SDL's box (process $BOX)"; return 0; }
    [ "$(differing "${SHOT}[$PANEL_AREA]" "${BEFORE}[$PANEL_AREA]")" -gt 0 ] && { HOW="a panel in the window"; return 0; }
    return 1
}
click 120 557
HOW=
for _ in $(seq 1 50); do
    grab
    shown && break
    alive || fail "the game ended while its error was being shown"
    sleep 0.2
done
if [ -n "$HOW" ]; then
    keep error_shown
elif grep -q 'Raster_max_x' "$GAME_LOG"; then
    HOW="standard error only"   # no box and no panel could be shown
else
    fail "no error about worlds.dat: no box process, no panel, nothing on standard error"
fi
echo "the error is shown in $HOW"
# The box process may have forked a little later than we looked.
sleep 0.3
BOX=$(pgrep -P "$GAME_PID")
end_by TERM 143
for pid in $BOX; do
    state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)
    [ -z "$state" ] || [ "$state" = Z ] || fail "the message box process $pid is left running (state $state)"
done
[ -z "$BOX" ] || echo "ok: the box process(es) $BOX went with the game"
stop_x

# --- 4. full screen by Alt+Enter, then the ordinary end ---------------------
cp "$OUT/worlds.dat" "$GAMEDIR/worlds.dat" || exit 2
e2e_start
move 400 200
grab "$GAMEDIR/grabs/canvas.bmp"
CANVAS=$SHOT
alt_enter 1024x768
# "Beenden", at canvas (680, 557): scaled 1.28 times on the whole screen.
xdotool mousemove --window "$WID" 870 713
sleep 0.1
xdotool mousemove --window "$WID" 871 713 click 1
e2e_finish
echo "ok: the game ended from full screen with status 0"
echo "PASS"
