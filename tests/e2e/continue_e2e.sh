#!/bin/bash
# End-to-end run of a game that survives a kill: under Xvfb, a game against
# the strong computer is started from the title, blue ends two turns and the
# computer plays its own in between; then the program is killed with SIGKILL,
# started again, the game is continued from the title's "Spiel fortsetzen",
# and the whole window (board, info panel with the turn counter, buttons)
# must be pixel for pixel what it was before the kill.
#
#   continue_e2e.sh <build-out-dir> [screenshot-dir]
#
# The records go to a temporary XDG_STATE_HOME, never to the user's home.
set -u

OUT=${1:?usage: continue_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots/continue}
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

e2e_prepare
export XDG_STATE_HOME="$GAMEDIR/state"
RECORD="$XDG_STATE_HOME/sternenduell/current.sdgame"

# One world, written here so that the shipped worlds can be retuned: a blue
# and a red unit whose shields outlast many turns, so nobody wins before the kill.
write_worlds() {
    cat <<'EOF2'
[Global]
Raster_x=0
Raster_y=0
Raster_width=60
Raster_height=60
Raster_max_x=12
Raster_max_y=7
EnergiePoints=50
HitPoints1=20
HitPoints2=40

[Thing_Type]
Thing_counter=17

2_Text=Roter Riese
2_Energie=-1
2_Plasma=-1
2_Schild=-1
2_Grav=-1
2_Besitzer=-1

14_Text=Testjaeger
14_Energie=100
14_Plasma=3
14_Schild=30000
14_Grav=-1
14_Besitzer=1

17_Text=Roter Jaeger
17_Energie=100
17_Plasma=3
17_Schild=30000
17_Grav=-1
17_Besitzer=2

[World0]
Name=Pruefstand 0
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 0 0 0 0 2 0 0 0 0 0
3=0 0 14 0 0 0 0 0 0 0 0 0
4=0 0 0 0 0 0 0 0 0 0 17 0
5=0 0 0 0 0 0 0 0 0 0 0 0
6=0 0 0 0 0 0 2 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0
EOF2
}
write_worlds >"$GAMEDIR/worlds.dat" || exit 2

endturns() { grep -c '^endturn$' "$RECORD" 2>/dev/null || echo 0; }
# Waits until the record holds n hand-overs, then for the screen to settle.
wait_endturns() {
    local n=$1 _
    for _ in $(seq 1 300); do
        [ "$(endturns)" -ge "$n" ] && { sleep 2; return 0; }
        alive || fail "the game ended while waiting for hand-over $n"
        sleep 0.1
    done
    fail "no hand-over $n in the record"
}
# The pointer off the board and the buttons, where it changes nothing.
rest_pointer() { move 400 520 0.1; move 401 520 0.5; }

GAME_ARGS="-NOSCREEN -NOSOUND -COMPUTER"
e2e_start
sleep 1
click 120 557          # "Spiel starten"
sleep 1.5
# Blue's turn 1: "Zug beenden" (button 1 at (16, 59) of the info panel at 430).
click 90 506
wait_endturns 2        # blue's, then the computer's
click 90 506
wait_endturns 4
rest_pointer
snap before_kill
BEFORE=$SHOT
grep -q '^fire\|^move\|^select' "$RECORD" || fail "the computer did nothing in its turns: $(cat "$RECORD")"

kill -KILL "$GAME_PID"
wait "$GAME_PID" 2>/dev/null
GAME_PID=
[ -s "$RECORD" ] || fail "no record after the kill"

# Started again on the same X server: the title offers the game.
SDL_AUDIODRIVER=dummy "$GAME" -NOSCREEN -NOSOUND >"$GAME_LOG" 2>&1 &
GAME_PID=$!
START=$(date +%s)
WID=
for _ in $(seq 1 100); do
    WID=$(xdotool search --onlyvisible --name Sternenduell 2>/dev/null | head -n1)
    [ -n "$WID" ] && break
    alive || fail "the game ended before its window appeared again"
    sleep 0.2
done
[ -n "$WID" ] || fail "the game window did not appear again"
sleep 1
snap title_offers_continue
expect "the title offers to continue" has_colour "241x30+0+478" "#009600"
click 60 493           # "Spiel fortsetzen"
sleep 2
rest_pointer
snap continued
expect "the continued game looks as before the kill" is_same "800x600+0+0" "$BEFORE"
echo "continue_e2e: ok ($(endturns) hand-overs recorded, window identical after the kill)"
