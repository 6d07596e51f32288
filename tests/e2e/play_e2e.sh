#!/bin/bash
# shellcheck disable=SC2046,SC2086  # a canvas position travels as its two words "x y"
# End-to-end run of the real program under Xvfb, driven by real X input:
# choose a world, start a game, hover the board, select a unit, move it, end
# the turn, leave through the exit screen and quit from the title screen.
#
#   play_e2e.sh <build-out-dir> [screenshot-dir]
#
# Every step is checked on the screen: the pixels it must change are read back
# from the game window and compared with the colours of settings.dat and with
# the pictures of fx/ (the unit's image, the empty board, the bitmap font).
#
# The game runs from a copy of the program folder with a worlds.dat of our own
# (written below), so the cells checked here stay where they are when the
# shipped worlds are retuned.
#
# Exits 0 when the program went through all of it, every check held and it
# ended with exit code 0 within the time limit.
set -u

OUT=${1:?usage: play_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots}
LIMIT=${SD_E2E_LIMIT:-60}

[ -x "$OUT/sternenduell" ] || { echo "no game at $OUT/sternenduell" >&2; exit 2; }
[ -f "$OUT/settings.dat" ] && [ -d "$OUT/fx" ] || { echo "no settings.dat or fx/ in $OUT" >&2; exit 2; }
for tool in Xvfb xdotool import compare identify; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done
mkdir -p "$SHOTS"
rm -f "$SHOTS"/[0-9][0-9]_*.png "$SHOTS/failure.png"   # an earlier run's

XVFB_PID=
GAME_PID=
GAMEDIR=
cleanup() {
    # The game first, so that it does not lose its X server under its feet.
    if [ -n "$GAME_PID" ]; then
        kill "$GAME_PID" 2>/dev/null
        for _ in $(seq 1 20); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    [ -n "$GAMEDIR" ] && rm -rf "$GAMEDIR"
}
trap cleanup EXIT

# ---------------------------------------------------------------------------
# The program folder: the game reads worlds.dat, settings.dat and fx/ from the
# directory of its executable, so the copy runs on our worlds.
GAMEDIR=$(mktemp -d "${TMPDIR:-/tmp}/sd-e2e.XXXXXX") || exit 2
cp "$OUT/sternenduell" "$OUT/settings.dat" "$GAMEDIR/" && cp -r "$OUT/fx" "$GAMEDIR/fx" || exit 2
GAME="$GAMEDIR/sternenduell"
FX="$GAMEDIR/fx"

# The board as the world file below lays it out, and where it sits on the
# canvas (the board surface's top-left corner on the game screen).
BOARD_LEFT=15
BOARD_TOP=0
CELL=60
# World0: the blue unit (thing 14, energy 100: a range of two cells at 50 a
# cell) at (2, 2) with nothing around it, so that all eight cells in reach are
# framed; it moves one cell to the right. Every other world has it elsewhere,
# so a game started on the wrong world fails the first check on the board.
UNIT=14
UNIT_NAME="Testjaeger"
BLUE_X=2 BLUE_Y=2
MOVE_X=3 MOVE_Y=2
# An empty cell the pointer passes on its way to the unit.
PASS_X=4 PASS_Y=3

write_worlds() {
    cat <<'EOF'
; Test worlds of the end-to-end run.

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
1_Bemerkung1=Zieht Schuesse an.

2_Text=Roter Riese
2_Energie=-1
2_Plasma=-1
2_Schild=-1
2_Grav=-1
2_Besitzer=-1
2_Bemerkung1=Haelt Plasma auf.

4_Text=Planet
4_Energie=-1
4_Plasma=-1
4_Schild=-1
4_Grav=2
4_Besitzer=0

14_Text=Testjaeger
14_Energie=100
14_Plasma=3
14_Schild=40
14_Grav=-1
14_Besitzer=1
14_Bemerkung1=Blau.

17_Text=Roter Jaeger
17_Energie=100
17_Plasma=3
17_Schild=40
17_Grav=-1
17_Besitzer=2
17_Bemerkung1=Rot.

[World0]
Name=Pruefstand 0
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 0 0 0 0 2 0 0 0 0 0
3=0 0 14 0 0 0 0 0 0 0 0 0
4=0 0 0 0 0 0 1 0 0 0 17 0
5=0 0 0 0 0 0 0 0 0 0 0 0
6=0 0 0 0 0 0 4 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0
EOF
    local n
    for n in 1 2 3 4 5 6 7 8 9; do
        cat <<EOF

[World$n]
Name=Pruefstand $n
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 0 0 0 0 2 0 0 0 0 0
3=0 0 0 0 0 0 0 0 0 0 0 0
4=0 0 0 0 0 0 1 0 0 0 17 0
5=0 0 0 0 0 0 0 0 0 0 0 0
6=0 0 14 0 0 0 4 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0
EOF
    done
}
write_worlds >"$GAMEDIR/worlds.dat" || exit 2

# Colour entry n of settings.dat as #RRGGBB; nothing when it is not there.
colour_entry() {
    local n=$1 c v rgb=
    for c in R G B; do
        v=$(tr -d '\r' <"$GAMEDIR/settings.dat" | sed -n "s/^${n}${c}=\([0-9]\{1,3\}\) *$/\1/p" | head -n1)
        [ -n "$v" ] || return
        rgb+=$(printf '%02X' "$((10#$v))")
    done
    echo "#$rgb"
}
HOVER=$(colour_entry 1)
SELECTED=$(colour_entry 2)
REACHABLE=$(colour_entry 3)
[ -n "$HOVER" ] && [ -n "$SELECTED" ] && [ -n "$REACHABLE" ] \
    || { echo "settings.dat lacks colour 1, 2 or 3 (hover, selected, reachable)" >&2; exit 2; }
# The grid is off for the whole run, so grid lines and erased frames are black.
GRID_OFF="#000000"
# If two of them were equal, a frame of one kind could pass for another.
[ "$(printf '%s\n' "$HOVER" "$SELECTED" "$REACHABLE" "$GRID_OFF" | sort -u | wc -l)" -eq 4 ] \
    || { echo "settings.dat: hover, selected and reachable colours are not all different" >&2; exit 2; }

# Canvas positions of a cell (x, y): its left and top lines, its centre, and
# the middle of its top line, where its frame is drawn. A frame's corners are
# shared with the neighbours' frames, the middle of a line only with the one
# neighbour across it.
cell_left() { echo $((BOARD_LEFT + $1 * CELL)); }
cell_top() { echo $((BOARD_TOP + $1 * CELL)); }
centre_of() { echo "$(($(cell_left "$1") + CELL / 2)) $(($(cell_top "$2") + CELL / 2))"; }
top_line_of() { echo "$(($(cell_left "$1") + CELL / 2)) $(cell_top "$2")"; }
bottom_line_of() { echo "$(($(cell_left "$1") + CELL / 2)) $(($(cell_top "$2") + CELL))"; }
# The inside of a cell, without the lines its frame and the grid are drawn on,
# as an ImageMagick crop of the canvas: <width>x<height>+<x>+<y>.
inside_of() { echo "$((CELL - 1))x$((CELL - 1))+$(($(cell_left "$1") + 1))+$(($(cell_top "$2") + 1))"; }
# The same inside as it looks empty: the board shows fx/back.bmp from its
# top-left corner.
empty_inside_of() { echo "$FX/back.bmp[$((CELL - 1))x$((CELL - 1))+$(($1 * CELL + 1))+$(($2 * CELL + 1))]"; }
# The inside of thing n's picture in fx/t0.bmp (7 columns of 60 x 60).
picture_inside_of() { echo "$FX/t0.bmp[$((CELL - 1))x$((CELL - 1))+$(($1 % 7 * CELL + 1))+$(($1 / 7 * CELL + 1))]"; }

# ---------------------------------------------------------------------------
# Xvfb picks a free display itself and tells its number once it is ready:
# choosing one beforehand races with other runs (another engineer's test, a
# second ctest) that look for a free number at the same moment. -noreset: by
# default the server resets when its last client leaves, and a game that
# connects just then (right after our readiness probe) is refused; SDL then
# quietly falls back to its offscreen driver and no window ever appears.
: >"$GAMEDIR/display"   # there before the first look, however late Xvfb starts
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$GAMEDIR/display" >/dev/null 2>&1 &
XVFB_PID=$!
DISPLAY_NUM=
for _ in $(seq 1 100); do
    DISPLAY_NUM=$(tr -dc '0-9' <"$GAMEDIR/display")
    [ -n "$DISPLAY_NUM" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
done
[ -n "$DISPLAY_NUM" ] || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$DISPLAY_NUM"
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer" >&2; exit 2; }

START=$(date +%s)
GAME_LOG="$GAMEDIR/game.log"
SDL_AUDIODRIVER=dummy "$GAME" -NOSCREEN -NOSOUND >"$GAME_LOG" 2>&1 &
GAME_PID=$!

fail() {
    echo "FAIL: $*" >&2
    timeout 10 import -window root -depth 8 "$SHOTS/failure.png" 2>/dev/null
    if [ -s "$GAME_LOG" ]; then
        echo "--- the game's output:" >&2
        tail -n 20 "$GAME_LOG" >&2
    fi
    exit 1
}
alive() { kill -0 "$GAME_PID" 2>/dev/null; }

WID=
for _ in $(seq 1 100); do
    WID=$(xdotool search --onlyvisible --name Sternenduell 2>/dev/null | head -n1)
    [ -n "$WID" ] && break
    alive || fail "the game ended before its window appeared"
    sleep 0.2
done
[ -n "$WID" ] || fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$WID")"   # X, Y, WIDTH, HEIGHT
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}, not 800x600"

# A screenshot of the game window (it shows the canvas one to one); the checks
# of a step read the screenshot taken for it, so what is checked is what the
# picture in $SHOTS shows.
step=0
SHOT=
snap() {
    step=$((step + 1))
    SHOT="$SHOTS/$(printf '%02d' $step)_$1.png"
    import -window "$WID" -depth 8 "$SHOT" 2>/dev/null || fail "no screenshot of the game window for $1"
}

# Canvas pixel (x, y) -> the window.
move() { xdotool mousemove --window "$WID" "$1" "$2"; sleep "${3:-0.15}"; }
click() {
    move "$1" "$2" 0.1
    move "$(( $1 + 1 ))" "$2" 0.1   # a real movement, so the hover looks are shown
    xdotool click 1
    sleep "${3:-0.3}"
    alive || fail "the game ended unexpectedly after a click at ($1, $2)"
}

# The colour of one canvas pixel on the screen now, as #RRGGBB.
pixel() {
    import -window "$WID" -depth 8 -crop "1x1+$1+$2" +repage txt:- 2>/dev/null | tail -n1 | grep -o '#[0-9A-F]\{6\}'
}
# The colour of a pixel in the step's screenshot.
shot_pixel() { echo "#$(identify -format "%[hex:p{$1,$2}]" "$SHOT" 2>/dev/null | cut -c1-6)"; }
# wait_for <what> <x> <y> <colour> [not]: until the pixel has (or no longer
# has) the colour; a step's first check, so it may take the game a moment.
wait_for() {
    local what=$1 x=$2 y=$3 colour=$4 negate=${5:-} now
    for _ in $(seq 1 60); do
        now=$(pixel "$x" "$y")
        if [ -z "$negate" ] && [ "$now" = "$colour" ]; then return 0; fi
        if [ -n "$negate" ] && [ -n "$now" ] && [ "$now" != "$colour" ]; then return 0; fi
        alive || fail "the game ended while waiting for $what"
        sleep 0.2
    done
    if [ -z "$negate" ]; then
        fail "$what: pixel ($x, $y) is $(pixel "$x" "$y"), not $colour"
    else
        fail "$what: pixel ($x, $y) is still $colour"
    fi
}
# expect <what> <x> <y> <colour>, expect_not ...: one pixel of the screenshot.
expect() {
    local now
    now=$(shot_pixel "$2" "$3")
    [ "$now" = "$4" ] || fail "$1: pixel ($2, $3) is $now, not $4"
}
expect_not() {
    local now
    now=$(shot_pixel "$2" "$3")
    [ "$now" != "$4" ] || fail "$1: pixel ($2, $3) is $4"
}
# differing <picture A> <picture B>: how many pixels differ (ImageMagick names,
# with a crop in brackets where needed).
differing() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ $n =~ ^[0-9]+$ ]] || fail "cannot compare $1 with $2: $n"
    echo "$n"
}
# expect_same / expect_different <what> <crop of the screenshot> <picture>.
expect_same() {
    local n
    n=$(differing "${SHOT}[$2]" "$3")
    [ "$n" -eq 0 ] || fail "$1: $n pixels of the screen area $2 differ from $3"
}
expect_different() {
    local n
    n=$(differing "${SHOT}[$2]" "$3")
    [ "$n" -gt 0 ] || fail "$1: the screen area $2 still shows $3"
}
# expect_text <what> <x> <y> <font file> <text>: bitmap-font text as the game
# paints it, one 8 x 12 glyph cell of the font (16 to a row) per character from
# (x, y) on, 8 pixels apart; a blank paints nothing and is not checked.
expect_text() {
    local what=$1 x=$2 y=$3 font=$4 text=$5 i c code cell wrong=
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        code=$(printf '%d' "'$c")
        if ((code >= 97 && code <= 122)); then cell=$((code - 97))
        elif ((code >= 65 && code <= 90)); then cell=$((code - 39))
        elif ((code >= 49 && code <= 57)); then cell=$((code + 3))
        elif ((code == 48)); then cell=61
        elif ((code == 58)); then cell=85
        else continue
        fi
        if [ "$(differing "${SHOT}[8x12+$((x + 8 * i))+$y]" "${font}[8x12+$((cell % 16 * 8))+$((cell / 16 * 12))]")" -ne 0 ]; then
            wrong+="${wrong:+, }'$c'"
        fi
    done
    [ -z "$wrong" ] || fail "$what: \"$text\" is not written at ($x, $y) in $(basename "$font") (wrong: $wrong)"
}

# Landmarks: the thin border of the first world preview (title screen), the
# corner mark of the chosen world's preview, the title bar of the exit dialog.
PREVIEW_BORDER="#46506E"
CHOSEN_MARK="#F0F01E"
DIALOG_BAR="#1E285A"
# The corner mark of preview n (row of five boxes 140 pixels apart from
# (60, 290)), and a point inside the box to click.
mark_of() { echo "$((70 + 140 * $1)) 291"; }
box_of() { echo "$((110 + 140 * $1)) 330"; }
# The info panel's top on the canvas, and its text lines at panel x 195.
PANEL_TOP=430
NAME_LINE="195 $((PANEL_TOP + 20))"
SECOND_LINE="195 $((PANEL_TOP + 40))"
ENERGY_LINE="520 $((PANEL_TOP + 20))"

# --- Title screen, world choice ---------------------------------------------
wait_for "title screen" 60 290 "$PREVIEW_BORDER"
snap title
# Another world first, then ours: the mark follows each click.
click $(box_of 1)
wait_for "mark on the preview of World1 after clicking it" $(mark_of 1) "$CHOSEN_MARK"
click $(box_of 0)
wait_for "mark on the preview of World0 after clicking it" $(mark_of 0) "$CHOSEN_MARK"
snap world0_chosen
expect "no mark on World1's preview once World0 is chosen" $(mark_of 1) "#000000"

# --- Game screen ---------------------------------------------------------------
# "Spiel starten"
click 120 557
UNIT_CENTRE=$(identify -format "%[hex:p{$((UNIT % 7 * CELL + CELL / 2)),$((UNIT / 7 * CELL + CELL / 2))}]" "$FX/t0.bmp" | cut -c1-6)
wait_for "World0's blue unit at cell ($BLUE_X, $BLUE_Y) on the game screen" $(centre_of $BLUE_X $BLUE_Y) "#$UNIT_CENTRE"
sleep 0.3
snap game_started
expect_same "the blue unit's picture at cell ($BLUE_X, $BLUE_Y)" "$(inside_of $BLUE_X $BLUE_Y)" "$(picture_inside_of $UNIT)"
expect_same "empty space at cell ($MOVE_X, $MOVE_Y)" "$(inside_of $MOVE_X $MOVE_Y)" "$(empty_inside_of $MOVE_X $MOVE_Y)"
# No frames yet, so that the frames checked below are the clicks' doing.
expect_not "no selection frame before the first click" $(top_line_of $BLUE_X $BLUE_Y) "$SELECTED"
expect_not "no reach frame before the first click" $(top_line_of $MOVE_X $MOVE_Y) "$REACHABLE"

# --- Hover: the frame follows the pointer, the panel shows the cell ----------
for p in "615 120" "435 270" "$(centre_of $PASS_X $PASS_Y)"; do move $p; done
wait_for "hover frame (colour 1) on cell ($PASS_X, $PASS_Y) under the pointer" $(top_line_of $PASS_X $PASS_Y) "$HOVER"
move $(centre_of $BLUE_X $BLUE_Y)
wait_for "hover frame (colour 1) on the unit's cell ($BLUE_X, $BLUE_Y)" $(top_line_of $BLUE_X $BLUE_Y) "$HOVER"
sleep 0.2
snap unit_hovered
expect "the hover frame left cell ($PASS_X, $PASS_Y) with the pointer" $(top_line_of $PASS_X $PASS_Y) "$GRID_OFF"
expect_text "the info panel names the unit under the pointer" $NAME_LINE "$FX/font_r.bmp" "$UNIT_NAME"
expect_text "the info panel shows the unit's energy" $ENERGY_LINE "$FX/font_g.bmp" "Energie: 100"

# --- Select the blue unit --------------------------------------------------------
click $(centre_of $BLUE_X $BLUE_Y)
wait_for "selection frame (colour 2) on cell ($BLUE_X, $BLUE_Y) after clicking the blue unit" \
    $(top_line_of $BLUE_X $BLUE_Y) "$SELECTED"
sleep 0.2
snap unit_selected
# Range 2 (energy 100 at 50 a cell): cells one and two away are framed, the
# third is not.
expect "reach frame (colour 3) on the right neighbour ($MOVE_X, $MOVE_Y)" $(top_line_of $MOVE_X $MOVE_Y) "$REACHABLE"
expect "reach frame (colour 3) on cell ($BLUE_X, $((BLUE_Y + 2))), two cells down" \
    $(bottom_line_of $BLUE_X $((BLUE_Y + 2))) "$REACHABLE"
expect "reach frame (colour 3) on cell ($((BLUE_X - 1)), $BLUE_Y), to the left" \
    $(top_line_of $((BLUE_X - 1)) $BLUE_Y) "$REACHABLE"
expect_not "no reach frame on cell ($((BLUE_X + 3)), $BLUE_Y), three cells away" \
    $(top_line_of $((BLUE_X + 3)) $BLUE_Y) "$REACHABLE"

# --- Move it one cell to the right ---------------------------------------------
click $(centre_of $MOVE_X $MOVE_Y)
wait_for "selection frame (colour 2) on cell ($MOVE_X, $MOVE_Y) after moving the unit there" \
    $(top_line_of $MOVE_X $MOVE_Y) "$SELECTED"
sleep 0.2
snap unit_moved
expect_same "the blue unit's picture at its new cell ($MOVE_X, $MOVE_Y)" \
    "$(inside_of $MOVE_X $MOVE_Y)" "$(picture_inside_of $UNIT)"
expect_same "empty space where the unit was, cell ($BLUE_X, $BLUE_Y)" \
    "$(inside_of $BLUE_X $BLUE_Y)" "$(empty_inside_of $BLUE_X $BLUE_Y)"
# The old cell is now one the unit can go back to; the move cost 50 of its 100
# energy, so the cell left of the old one is out of reach.
expect "reach frame (colour 3), no longer the selection frame, on the old cell ($BLUE_X, $BLUE_Y)" \
    $(top_line_of $BLUE_X $BLUE_Y) "$REACHABLE"
expect "no reach frame on cell ($((BLUE_X - 1)), $BLUE_Y) with the range left after the move" \
    $(top_line_of $((BLUE_X - 1)) $BLUE_Y) "$GRID_OFF"
expect_text "the info panel shows the energy left after the move" $ENERGY_LINE "$FX/font_g.bmp" "Energie: 50"

# --- "Zug beenden": button 1 at (16, 59) of the info panel ----------------------
click 90 $((PANEL_TOP + 74))
wait_for "selection frame gone from cell ($MOVE_X, $MOVE_Y) after ending the turn" \
    $(top_line_of $MOVE_X $MOVE_Y) "$SELECTED" not
sleep 0.3
snap turn_ended
expect_text "the turn message on the info panel" $NAME_LINE "$FX/font_r.bmp" "Zug 2"
expect_text "the turn message names the next player" $SECOND_LINE "$FX/font_b.bmp" "Spieler 2"
expect "no frame left on cell ($MOVE_X, $MOVE_Y) after ending the turn" $(top_line_of $MOVE_X $MOVE_Y) "$GRID_OFF"
expect "no frame left on cell ($BLUE_X, $BLUE_Y) after ending the turn" $(top_line_of $BLUE_X $BLUE_Y) "$GRID_OFF"
expect_same "the blue unit stays at cell ($MOVE_X, $MOVE_Y)" "$(inside_of $MOVE_X $MOVE_Y)" "$(picture_inside_of $UNIT)"

# --- "Verlassen": button 2 at (16, 97), then the exit screen's first button ---
click 90 $((PANEL_TOP + 112))
wait_for "exit screen" 480 185 "$DIALOG_BAR"
snap exit_screen
click 398 309
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
