#!/bin/bash
# shellcheck disable=SC2046,SC2086  # a canvas position travels as its two words "x y"
# End-to-end run of a network game on one machine: two X servers (Xvfb), two
# game processes from copies of the program folder, ENet over loopback only.
#
#  1. The host (-HOST -WORLD 1) waits, the joiner (-CONNECT 127.0.0.1:port)
#     joins and sees the host's world marked on its preview; the host plays
#     a whole game on a world of our own (the beam, a plasma hit, the red
#     ship's explosion) and both screens show each step and the victory
#     panel; both records verify and are the same but for their side.
#  2. The joiner is killed with SIGKILL mid-game: within 12 s the host shows
#     "Verbindung verloren" over its title.
#  3. A joiner claiming another protocol (SD_NET_PROTOCOL, read only by the
#     handshake) and one with another worlds.dat are refused, with the
#     message on both sides.
#
#   network_e2e.sh <build-out-dir> [screenshot-dir]
#
# Messages show in the game's own error panel (the X servers have no core
# fonts for the system's box), which also writes them to standard error.
set -u

OUT=${1:?usage: network_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots/network}
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

e2e_prepare
TRAJECTORY="$OUT/sternenduell-trajectory"
[ -x "$TRAJECTORY" ] || { echo "no trajectory tool at $TRAJECTORY" >&2; exit 2; }
command -v python3 >/dev/null || { echo "python3 is missing" >&2; exit 2; }

# Two of everything: X server, process, window, log. "side host" or "side
# joiner" makes one of them the one lib.sh's helpers (grab, click, fail) use.
declare -A XPID PID WINDOW LOG DISP
cleanup_all() {
    local s
    for s in host joiner; do
        [ -n "${PID[$s]:-}" ] && kill -KILL "${PID[$s]}" 2>/dev/null && wait "${PID[$s]}" 2>/dev/null
    done
    GAME_PID=
    for s in host joiner; do
        [ -n "${XPID[$s]:-}" ] && kill "${XPID[$s]}" 2>/dev/null && wait "${XPID[$s]}" 2>/dev/null
    done
    e2e_cleanup
}
trap cleanup_all EXIT

side() {
    CURRENT=$1
    export DISPLAY=${DISP[$1]}
    WID=${WINDOW[$1]:-}
    GAME_PID=${PID[$1]:-}
    GAME_LOG=${LOG[$1]}
}

start_x() {  # <side>: an X server of its own, on a display it picks itself
    local f="$GAMEDIR/display_$1" n= _
    : >"$f"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp -fp built-ins 3>"$f" >/dev/null 2>&1 &
    XPID[$1]=$!
    for _ in $(seq 1 100); do
        n=$(tr -dc '0-9' <"$f")
        [ -n "$n" ] && break
        sleep 0.1
    done
    [ -n "$n" ] || { echo "Xvfb for the $1 did not start" >&2; exit 2; }
    DISP[$1]=":$n"
    LOG[$1]="$GAMEDIR/$1.log"
}

# start_game <side> <program folder> <switches...>: the game on the side's
# display with its own records folder; waits for its window.
start_game() {
    local s=$1 dir=$2 _
    shift 2
    side "$s"
    # shellcheck disable=SC2086  # GAME_ENV: assignments, as words
    env ${GAME_ENV:-} XDG_STATE_HOME="$GAMEDIR/state_$s" SDL_AUDIODRIVER=dummy "$dir/sternenduell" -NOSCREEN -NOSOUND \
        "$@" >"${LOG[$s]}" 2>&1 &
    PID[$s]=$!
    GAME_PID=${PID[$s]}
    WINDOW[$s]=
    for _ in $(seq 1 100); do
        WINDOW[$s]=$(xdotool search --onlyvisible --name Sternenduell 2>/dev/null | head -n1)
        [ -n "${WINDOW[$s]}" ] && break
        alive || fail "the $s's game ended before its window appeared"
        sleep 0.2
    done
    [ -n "${WINDOW[$s]}" ] || fail "the $s's window did not appear"
    WID=${WINDOW[$s]}
}

stop_game() {  # <side>: ends it (the run has seen what it wanted)
    [ -n "${PID[$1]:-}" ] || return 0
    kill -KILL "${PID[$1]}" 2>/dev/null
    wait "${PID[$1]}" 2>/dev/null
    PID[$1]=
}

free_port() {
    python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# The world: blue's beam unit two cells left of the red ship with an empty
# cell between them, blue's plasma unit below to the left, a sun whose pull
# bends the ball. Red's shield 60: the beam (40) leaves 20, the plasma hit
# (20) destroys the ship, red's only thing: blue wins in its first turn.
# World0 is another world, so that the joiner's mark has to move.
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

1_Text=Sonne
1_Energie=-1
1_Plasma=-1
1_Schild=-1
1_Grav=5
1_Besitzer=0

14_Text=Testjaeger
14_Energie=100
14_Plasma=3
14_Schild=40
14_Grav=-1
14_Besitzer=1

15_Text=Testkreuzer
15_Energie=100
15_Plasma=3
15_Schild=40
15_Grav=-1
15_Besitzer=1

17_Text=Roter Jaeger
17_Energie=100
17_Plasma=3
17_Schild=60
17_Grav=-1
17_Besitzer=2

[World0]
Name=Pruefstand 0
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 14 0 0 0 0 0 0 0 0 0
3=0 0 0 0 0 0 0 0 0 0 17 0
4=0 0 0 0 0 0 0 0 0 0 0 0
5=0 0 0 0 0 0 0 0 0 0 0 0
6=0 0 0 0 0 0 0 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0

[World1]
Name=Netzduell
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 0 0 0 0 0 0 0 0 0 0
3=0 0 0 0 0 1 0 0 0 0 0 0
4=0 0 0 0 0 0 0 14 0 17 0 0
5=0 0 0 0 0 0 0 0 0 0 0 0
6=0 0 0 15 0 0 0 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0
EOF2
}
write_worlds >"$GAMEDIR/worlds.dat" || exit 2
WORLD=1

BOARD_LEFT=15 BOARD_TOP=0 CELL=60
BEAMER_X=7 BEAMER_Y=3 GAP_X=8 GAP_Y=3 RED=17 RED_X=9 RED_Y=3 GUNNER_X=3 GUNNER_Y=5
AIM=7   # the trajectory tool's angle from (3, 5) onto the ship (checked below)
SELECTED=$(colour_entry 2)
BLINK=$(colour_entry 4)
[ -n "$SELECTED" ] && [ -n "$BLINK" ] || { echo "settings.dat lacks colour 2 or 4" >&2; exit 2; }
PREVIEW_BORDER="#46506E"
CHOSEN_MARK="#F0F01E"
LABEL_GREEN="#00FA00"   # the waiting line, in the menu's highlighted green
PANEL_TOP=430
WEAPON_AREA="229x20+195+$((PANEL_TOP + 100))"
BEAM_WEAPON="$FX/weapon.bmp[229x20+0+20]"
WEAPON_SWITCH="309 $((PANEL_TOP + 109))"
DIAL_LEFT=640 DIAL_TOP=439 DIAL_CENTRE_X=715 DIAL_CENTRE_Y=504
DIAL_AREA="150x130+$DIAL_LEFT+$DIAL_TOP"
WIN_W=$(identify -format %w "$FX/screen4.bmp") WIN_H=$(identify -format %h "$FX/screen4.bmp")
WIN_LEFT=$(( (800 - WIN_W) / 2 )) WIN_TOP=$(( (600 - WIN_H) / 2 ))
WIN_RIGHT_AREA="$((WIN_W - 300))x$WIN_H+$((WIN_LEFT + 300))+$WIN_TOP"
WIN_RIGHT_LOOK="$FX/screen4.bmp[$((WIN_W - 300))x$WIN_H+300+0]"
# The game's error panel over the title: its title bar and its icon.
PANEL_AREA="560x200+120+200"
panel_shown() { has_colour "$PANEL_AREA" "#1E285A" 4000 && has_colour "$PANEL_AREA" "#C8322E" 300; }

cell_left() { echo $((BOARD_LEFT + $1 * CELL)); }
cell_top() { echo $((BOARD_TOP + $1 * CELL)); }
centre_of() { echo "$(($(cell_left "$1") + CELL / 2)) $(($(cell_top "$2") + CELL / 2))"; }
top_line_of() { echo "$(($(cell_left "$1") + CELL / 2)) $(cell_top "$2")"; }
inside_of() { echo "$((CELL - 1))x$((CELL - 1))+$(($(cell_left "$1") + 1))+$(($(cell_top "$2") + 1))"; }
empty_inside_of() { echo "$FX/back.bmp[$((CELL - 1))x$((CELL - 1))+$(($1 * CELL + 1))+$(($2 * CELL + 1))]"; }
picture_inside_of() { echo "$FX/t0.bmp[$((CELL - 1))x$((CELL - 1))+$(($1 % 7 * CELL + 1))+$(($1 / 7 * CELL + 1))]"; }
mark_of() { echo "$((70 + 140 * $1)) 291"; }
# The dial's point for the angle, by the dial's own rule (see play_e2e.sh).
dial_point() {
    awk -v want="$1" -v cx=$((DIAL_CENTRE_X - DIAL_LEFT)) -v cy=$((DIAL_CENTRE_Y - DIAL_TOP)) \
        -v left=$DIAL_LEFT -v top=$DIAL_TOP 'BEGIN {
        best = -1
        for (x = 0; x < 150; x++) for (y = 0; y < 130; y++) {
            dx = cx - x; if (dx < 0) dx = -dx
            dy = cy - y; if (dy < 0) dy = -dy
            r = sqrt(dx * dx + dy * dy)
            if (r < 45 || r > 60) continue
            if (dx == 0) dx = 0.000001
            if (dy == 0) dy = 0.000001
            a = atan2(dy, dx) * 180 / 3.14159
            if (cx > x) a = 180 - a
            if (cy < y) a = 360 - a
            off = a - want; if (off < 0) off = -off
            if (best < 0 || off < best) { best = off; bx = x; by = y }
        }
        if (best < 0 || best > 0.3) exit 1
        printf "%d %d\n", left + bx, top + by
    }'
}
"$TRAJECTORY" --worlds "$GAMEDIR/worlds.dat" --world $WORLD --from $GUNNER_X $GUNNER_Y --angle $AIM --player 1 \
    | tail -n1 | grep -qx "hit $RED_X $RED_Y" || { echo "at $AIM degrees the ball misses the ship: choose again" >&2; exit 2; }
read -r AIM_X AIM_Y < <(dial_point $AIM) || { echo "no dial point for $AIM degrees" >&2; exit 2; }

start_x host
start_x joiner
RUN_START=$(date +%s)

# =============================================================================
# 1. A whole game.
# =============================================================================
PORT=$(free_port)
start_game host "$GAMEDIR" -HOST -WORLD $WORLD -PORT "$PORT"
wait_until "the host's waiting line between the preview rows" 12 has_colour "800x30+0+366" "$LABEL_GREEN" 200
keep host_waiting
start_game joiner "$GAMEDIR" -CONNECT "127.0.0.1:$PORT"
# After the handshake and before the game: the host's world marked on the
# joiner's preview (its own choice was World0).
wait_until "the host's world marked on the joiner's preview" 12 is_pixel $(mark_of $WORLD) "$CHOSEN_MARK"
keep joiner_sees_world
expect "the joiner's own world no longer marked" is_pixel $(mark_of 0) "#000000"
expect "the joiner's line names the world" has_colour "800x30+0+366" "$LABEL_GREEN" 200

ship_on_board() { is_same "$(inside_of $RED_X $RED_Y)" "$(picture_inside_of $RED)"; }
for s in joiner host; do
    side $s
    wait_until "the $s's board with the red ship" 12 ship_on_board
done
keep host_board

# The host's beam: select the unit, switch it to the beam, click the ship.
BEAM_Y=$(( $(cell_top $GAP_Y) + CELL / 2 ))
BEAM_AREA="$((CELL - 1))x1+$(( $(cell_left $GAP_X) + 1 ))+$BEAM_Y"
BEAM_LOOK="$GAMEDIR/beam.png"
convert "$FX/back.bmp[$((CELL - 1))x1+$((GAP_X * CELL + 1))+$((BEAM_Y - BOARD_TOP))]" +repage \
    -channel R -negate +channel "$BEAM_LOOK" || exit 2
side host
click $(centre_of $BEAMER_X $BEAMER_Y)
wait_until "the host's selection frame on the beam unit" 12 is_pixel $(top_line_of $BEAMER_X $BEAMER_Y) "$SELECTED"
click $WEAPON_SWITCH
wait_until "the host's weapon switch on the beam" 12 is_same "$WEAPON_AREA" "$BEAM_WEAPON"
click $(centre_of $RED_X $RED_Y) 0
side joiner
POLL_S=0 wait_until "the beam across cell ($GAP_X, $GAP_Y) on the joiner's screen" 8 is_same "$BEAM_AREA" "$BEAM_LOOK"
keep joiner_beam
wait_until "the beam gone on the joiner's screen" 8 is_same "$(inside_of $GAP_X $GAP_Y)" "$(empty_inside_of $GAP_X $GAP_Y)"
side host
wait_until "the beam gone on the host's screen" 8 is_same "$(inside_of $GAP_X $GAP_Y)" "$(empty_inside_of $GAP_X $GAP_Y)"
sleep 1.5   # the struck cell's blinking

# The plasma shot: the beam unit let go, the plasma unit selected, the dial.
click $(centre_of $BEAMER_X $BEAMER_Y)
wait_until "the host's selection dropped" 12 not_pixel $(top_line_of $BEAMER_X $BEAMER_Y) "$SELECTED"
click $(centre_of $GUNNER_X $GUNNER_Y)
wait_until "the host's selection frame on the plasma unit" 12 is_pixel $(top_line_of $GUNNER_X $GUNNER_Y) "$SELECTED"
click $(centre_of $RED_X $RED_Y)
wait_until "the aiming dial on the host's screen" 12 is_same "$DIAL_AREA" "$FX/screen3.bmp"
move $AIM_X $AIM_Y 0.1
move $((AIM_X + 1)) $AIM_Y 0.1
move $AIM_X $AIM_Y 0.3
xdotool click 1

# The joiner watches the hit (the struck cell blinks) and the explosion
# (frames of fx/expl.bmp on the ship's cell), then the empty cell.
side joiner
EXPL_CENTRES=()
for i in $(seq 0 15); do
    EXPL_CENTRES[i]="#$(identify -format "%[hex:p{$((i % 4 * CELL + CELL / 2)),$((i / 4 * CELL + CELL / 2))}]" "$FX/expl.bmp" | cut -c1-6)"
done
blinked= frames=0 gone=
T0=$(date +%s)
while [ $(( $(date +%s) - T0 )) -lt 25 ]; do
    grab
    if is_same "$(inside_of $RED_X $RED_Y)" "$(empty_inside_of $RED_X $RED_Y)"; then gone=1; break; fi
    if [ -z "$blinked" ] && is_pixel $(top_line_of $RED_X $RED_Y) "$BLINK"; then blinked=1; keep joiner_plasma_hit; fi
    centre=$(shot_pixel $(centre_of $RED_X $RED_Y))
    for i in $(seq 0 15); do
        [ "${EXPL_CENTRES[i]}" = "$centre" ] || continue
        if is_same "$(inside_of $RED_X $RED_Y)" \
            "$FX/expl.bmp[$((CELL - 1))x$((CELL - 1))+$((i % 4 * CELL + 1))+$((i / 4 * CELL + 1))]"; then
            frames=$((frames + 1))
            [ $frames -eq 1 ] && keep joiner_explosion
            break
        fi
    done
    alive || fail "the joiner ended during the plasma shot"
done
[ -n "$blinked" ] || fail "the joiner did not see the plasma hit (the ship's cell blinking)"
[ $frames -ge 1 ] || fail "the joiner did not see the explosion on the ship's cell"
[ -n "$gone" ] || fail "the ship's cell on the joiner's screen does not show empty space: $WHY"

for s in joiner host; do
    side $s
    wait_until "the victory panel on the $s's screen" 15 is_same "$WIN_RIGHT_AREA" "$WIN_RIGHT_LOOK"
    keep "${s}_victory"
    expect "the ship's cell empty under the $s's panel" is_same "$(inside_of $RED_X $RED_Y)" "$(empty_inside_of $RED_X $RED_Y)"
    # The panel clicked away: back to the title.
    # The panel takes its click once the victory's wait is over.
    for _ in 1 2 3 4 5 6; do
        click $((WIN_LEFT + WIN_W / 2)) $((WIN_TOP + WIN_H / 2)) 0.5
        grab
        is_pixel 60 290 "$PREVIEW_BORDER" && break
        sleep 1
    done
    wait_until "the $s's title after the victory" 12 is_pixel 60 290 "$PREVIEW_BORDER"
done

# Both records: filed away as finished, verified, the same but for the side.
HOST_RECORD=$(ls "$GAMEDIR"/state_host/sternenduell/games/*.sdgame 2>/dev/null | head -n1)
JOINER_RECORD=$(ls "$GAMEDIR"/state_joiner/sternenduell/games/*.sdgame 2>/dev/null | head -n1)
[ -n "$HOST_RECORD" ] && [ -n "$JOINER_RECORD" ] || fail "a finished record is missing (host: '$HOST_RECORD', joiner: '$JOINER_RECORD')"
cp "$HOST_RECORD" "$SHOTS/host.sdgame"
cp "$JOINER_RECORD" "$SHOTS/joiner.sdgame"
"$TRAJECTORY" --verify --worlds "$GAMEDIR/worlds.dat" "$HOST_RECORD" "$JOINER_RECORD" >"$GAMEDIR/verify.txt" 2>&1 \
    || fail "the records do not verify: $(cat "$GAMEDIR/verify.txt")"
[ "$(grep -c 'ok, .* Sieger 1 in Zug 1' "$GAMEDIR/verify.txt")" -eq 2 ] || fail "not both records won by blue: $(cat "$GAMEDIR/verify.txt")"
[ "$(sed -n 8p "$HOST_RECORD")" = "side 1" ] || fail "the host's record does not name side 1"
[ "$(sed -n 8p "$JOINER_RECORD")" = "side 2" ] || fail "the joiner's record does not name side 2"
diff <(sed 8d "$HOST_RECORD") <(sed 8d "$JOINER_RECORD") >"$GAMEDIR/records.diff" \
    || fail "the records differ beyond their side: $(cat "$GAMEDIR/records.diff")"
grep -q '^fire .* refused' "$HOST_RECORD" && fail "a shot was refused: $(cat "$HOST_RECORD")"
[ "$(grep -c '^fire ' "$HOST_RECORD")" -eq 2 ] || fail "the record does not hold the two shots: $(cat "$HOST_RECORD")"
stop_game host
stop_game joiner

# =============================================================================
# 2. The joiner killed mid-game.
# =============================================================================
PORT=$(free_port)
start_game host "$GAMEDIR" -HOST -WORLD $WORLD -PORT "$PORT"
start_game joiner "$GAMEDIR" -CONNECT "127.0.0.1:$PORT"
for s in joiner host; do
    side $s
    wait_until "the $s's board for the second game" 15 ship_on_board
done
side host
click $(centre_of $BEAMER_X $BEAMER_Y)
wait_until "the host's selection frame before the kill" 12 is_pixel $(top_line_of $BEAMER_X $BEAMER_Y) "$SELECTED"
kill -KILL "${PID[joiner]}"
wait "${PID[joiner]}" 2>/dev/null
PID[joiner]=
KILLED=$(date +%s%N)
side host
wait_until "\"Verbindung verloren\" on the host" 20 panel_shown
LOST_MS=$(( ($(date +%s%N) - KILLED) / 1000000 ))
keep host_connection_lost
[ "$LOST_MS" -le 12000 ] || fail "the host showed the lost connection only after $LOST_MS ms"
grep -q 'Verbindung verloren' "${LOG[host]}" || fail "the host's message is not \"Verbindung verloren\": $(tail -n5 "${LOG[host]}")"
expect "the host's title behind the message" is_pixel 60 290 "$PREVIEW_BORDER"
stop_game host

# =============================================================================
# 3. Refused: another version, another worlds.dat.
# =============================================================================
# refused <words> <joiner's folder> [environment for the joiner]
refused() {
    local words=$1 dir=$2 s
    shift 2
    PORT=$(free_port)
    start_game host "$GAMEDIR" -HOST -WORLD $WORLD -PORT "$PORT"
    GAME_ENV="$*" start_game joiner "$dir" -CONNECT "127.0.0.1:$PORT"
    for s in host joiner; do
        side $s
        wait_until "the refusal on the $s's screen ($words)" 12 panel_shown
        keep "${s}_refused_${words// /_}"
        grep -q "$words" "${LOG[$s]}" || fail "the $s does not say \"$words\": $(tail -n5 "${LOG[$s]}")"
        expect "the $s's title behind the refusal" is_pixel 60 290 "$PREVIEW_BORDER"
    done
    stop_game host
    stop_game joiner
}
refused "andere Version" "$GAMEDIR" SD_NET_PROTOCOL=1
OTHER="$GAMEDIR/other"
mkdir -p "$OTHER" && cp -r "$GAMEDIR/sternenduell" "$GAMEDIR/settings.dat" "$GAMEDIR/fx" "$OTHER/" || exit 2
{ write_worlds; printf '\n; another copy of the worlds\n'; } >"$OTHER/worlds.dat"
refused "andere worlds.dat" "$OTHER"

echo "PASS: network game to the victory on both screens, records equal but for the side, lost peer seen after $LOST_MS ms, both refusals; $(( $(date +%s) - RUN_START )) s"
