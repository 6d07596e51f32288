#!/bin/bash
# End-to-end: the game loses its display, under Xvfb.
#
#  1. In a window (-NOSCREEN) and in full screen, each once: its connection
#     killed by another client (xdotool windowkill, what xkill does), its
#     window destroyed by another client (xdotool windowclose), and the X
#     server killed. Each time the game is gone within 2 s with status 1,
#     has spent less than 0.5 s of CPU time after the kill (no spinning), and
#     has written exactly one line: "sternenduell: Verbindung zum Bildschirm
#     verloren" (so no X error, no assertion, no sanitizer report).
#  2. SIGKILL while SDL's error box is shown (by a broken worlds.dat): no box
#     process is left 2 s later. Where SDL cannot draw its box (no X core
#     fonts) there is no box process and the case is skipped.
#
#   display_loss_e2e.sh <build-out-dir> [screenshot-dir]
set -u

OUT=${1:?usage: display_loss_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots-display-loss}
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

e2e_prepare
cp "$OUT/worlds.dat" "$GAMEDIR/worlds.dat" || exit 2
LINE="sternenduell: Verbindung zum Bildschirm verloren"
TICKS=$(getconf CLK_TCK)

now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $(( t / 1000 )); }
# The CPU time of a running process in clock ticks, user and system.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
# The CPU time of the children this shell has reaped so far. Bash reaps a
# background job as soon as it ends, so the game's own time after the kill
# is this one's growth meanwhile, less what the game had spent before (and
# less the few milliseconds of the helpers reaped meanwhile, counted in).
reaped_ticks() { awk '{ print $16 + $17 }' "/proc/$$/stat"; }
stop_x() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
}

# lose <how> <where>: start the game, take its display away, check its end.
lose() {
    local how=$1 where=$2 game x=0 reaped start rc took spent
    if [ "$where" = window ]; then e2e_start; else GAME_ARGS="-NOSOUND" GAME_WINDOW=1024x768 e2e_start; fi
    # The title screen is up and the game waits for events.
    move 400 200 0.5
    game=$(cpu_ticks "$GAME_PID")
    [ "$how" = "X server" ] && x=$(cpu_ticks "$XVFB_PID")
    reaped=$(reaped_ticks)
    start=$(now_ms)
    case $how in
        windowkill) xdotool windowkill "$WID" ;;
        windowclose) xdotool windowclose "$WID" ;;
        "X server") stop_x ;;
    esac
    while alive; do
        [ $(( $(now_ms) - start )) -lt 2000 ] || fail "$how, $where: the game still runs 2 s later"
        sleep 0.05
    done
    took=$(( $(now_ms) - start ))
    wait "$GAME_PID"
    rc=$?
    GAME_PID=
    spent=$(( ($(reaped_ticks) - reaped - game - x) * 1000 / TICKS ))
    [ "$rc" -eq 1 ] || fail "$how, $where: status $rc, not 1"
    [ "$spent" -lt 500 ] || fail "$how, $where: $spent ms of CPU time after the kill"
    [ "$(cat "$GAME_LOG")" = "$LINE" ] || fail "$how, $where: the game wrote something else than the one line"
    echo "ok: $how, $where: gone after $took ms, status $rc, at most $spent ms of CPU time"
    stop_x
}

# --- 1. the display taken away ---------------------------------------------
for where in window "full screen"; do
    for how in windowkill windowclose "X server"; do
        lose "$how" "$where"
    done
done

# --- 2. SIGKILL with SDL's box on the screen --------------------------------
# World 0 (the one chosen at the start) with no columns: loading it fails.
sed 's/^Raster_max_x=.*/Raster_max_x=0/' "$OUT/worlds.dat" >"$GAMEDIR/worlds.dat" || exit 2
e2e_start
click 120 557
BOX=
for _ in $(seq 1 50); do
    BOX=$(pgrep -P "$GAME_PID")
    [ -n "$BOX" ] && break
    grep -q 'no system message box' "$GAME_LOG" && break
    sleep 0.1
done
if [ -z "$BOX" ]; then
    echo "skipped: SDL draws no box on this X server (no box process)"
else
    sleep 0.3   # the box drawn, not just forked
    kill -KILL "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null
    GAME_PID=
    start=$(now_ms)
    for pid in $BOX; do
        # A zombie is gone too: its parent is dead, and whoever inherits it reaps it.
        while s=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null); [ -n "$s" ] && [ "$s" != Z ]; do
            [ $(( $(now_ms) - start )) -lt 2000 ] || fail "the box process $pid is left 2 s after SIGKILL (state $s)"
            sleep 0.05
        done
    done
    echo "ok: the box process(es) $BOX went with the killed game within $(( $(now_ms) - start )) ms"
fi
echo "PASS"
