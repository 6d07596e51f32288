#!/bin/bash
# shellcheck disable=SC2046,SC2086  # a canvas position travels as its two words "x y"
# End-to-end run of the real program under Xvfb, driven by real X input, in
# two games:
#
#  1. choose a world, start a game, hover the board, select a unit, move it,
#     end the turn, leave through the exit screen;
#  2. start a second game on another world and play it to its end: switch a
#     unit to the beam and damage the red ship with it, aim a plasma shot on
#     the dial and hit the ship, watch it explode, click the victory panel,
#     and quit from the title screen.
#
#   play_e2e.sh <build-out-dir> [screenshot-dir]
#
# Every step is checked on the screen: the pixels it must change are read back
# from the game window and compared with the colours of settings.dat and with
# the pictures of fx/ (the units' images, the empty board, the bitmap font,
# the dial, the explosion frames, the victory panel).
#
# The game runs from a copy of the program folder with a worlds.dat of our own
# (written below), so the cells checked here stay where they are when the
# shipped worlds are retuned. The plasma shot's angle was chosen with the
# trajectory tool for this world; the run asks the tool again for the path,
# which is the game's own flight code, and finds the ball on it.
#
# Exits 0 when the program went through all of it, every check held and it
# ended with exit code 0 within the time limit ($SD_E2E_LIMIT, 90 s).
set -u

OUT=${1:?usage: play_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots}
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

e2e_prepare
TRAJECTORY="$OUT/sternenduell-trajectory"
[ -x "$TRAJECTORY" ] || { echo "no trajectory tool at $TRAJECTORY" >&2; exit 2; }

# The board as the world file below lays it out, and where it sits on the
# canvas (the board surface's top-left corner on the game screen).
BOARD_LEFT=15
BOARD_TOP=0
CELL=60
# World0, the first game: the blue unit (thing 14, energy 100: a range of two
# cells at 50 a cell) at (2, 2) with nothing around it, so that all eight
# cells in reach are framed; it moves one cell to the right. Every other world
# has it elsewhere, so a game started on the wrong world fails the first check
# on the board.
UNIT=14
UNIT_NAME="Testjaeger"
BLUE_X=2 BLUE_Y=2
MOVE_X=3 MOVE_Y=2
# An empty cell the pointer passes on its way to the unit.
PASS_X=4 PASS_Y=3

# World2, the second game: the same blue unit (beam) two cells left of the red
# ship, with the empty cell (8, 3) between them that the beam crosses; a
# second blue unit (thing 15, plasma) far below to the left, and a sun above
# whose pull bends the plasma ball on its way to the ship.
BATTLE_WORLD=2
BEAMER_X=7 BEAMER_Y=3
GAP_X=8 GAP_Y=3
RED=17
RED_NAME="Roter Jaeger"
RED_X=9 RED_Y=3
GUNNER=15
GUNNER_X=3 GUNNER_Y=5
# Red's shield 60: the beam (HitPoints2 40) leaves 20, the plasma hit
# (HitPoints1 20) then destroys the ship, the only red thing: blue wins.
# 7 degrees on the dial, the middle of the three (6 to 8) that the trajectory
# tool has hitting the ship from (3, 5); every angle around them flies off
# the board. Near the sun its pull (right and down, as every mass pulls in
# this game) flattens the climb for a while, so the ball does not fly straight.
AIM=7

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

15_Text=Testkreuzer
15_Energie=100
15_Plasma=3
15_Schild=40
15_Grav=-1
15_Besitzer=1
15_Bemerkung1=Blau, schiesst Plasma.

17_Text=Roter Jaeger
17_Energie=100
17_Plasma=3
17_Schild=60
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

[World2]
Name=Pruefstand 2
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 0 0 0 0 0 0 0 0 0 0
3=0 0 0 0 0 1 0 0 0 0 0 0
4=0 0 0 0 0 0 0 14 0 17 0 0
5=0 0 0 0 0 0 0 0 0 0 0 0
6=0 0 0 15 0 0 0 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0
EOF
    local n
    for n in 1 3 4 5 6 7 8 9; do
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

HOVER=$(colour_entry 1)
SELECTED=$(colour_entry 2)
REACHABLE=$(colour_entry 3)
BLINK=$(colour_entry 4)
[ -n "$HOVER" ] && [ -n "$SELECTED" ] && [ -n "$REACHABLE" ] && [ -n "$BLINK" ] \
    || { echo "settings.dat lacks colour 1, 2, 3 or 4 (hover, selected, reachable, blink)" >&2; exit 2; }
# The grid is off for the whole run, so grid lines and erased frames are black.
GRID_OFF="#000000"
# The status line's team colours.
STATUS_BLUE="#6eb4ff"
STATUS_RED="#ff8264"
# If two of them were equal, a frame of one kind could pass for another.
[ "$(printf '%s\n' "$HOVER" "$SELECTED" "$REACHABLE" "$BLINK" "$GRID_OFF" | sort -u | wc -l)" -eq 5 ] \
    || { echo "settings.dat: hover, selected, reachable and blink colours are not all different" >&2; exit 2; }

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
# The colour of the centre pixel of thing n's picture, as #RRGGBB.
picture_centre_of() {
    echo "#$(identify -format "%[hex:p{$(($1 % 7 * CELL + CELL / 2)),$(($1 / 7 * CELL + CELL / 2))}]" "$FX/t0.bmp" | cut -c1-6)"
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
# The info panel's top on the canvas, and its text lines at panel x 195; the
# values column at panel x 520.
PANEL_TOP=430
NAME_LINE="195 $((PANEL_TOP + 20))"
SECOND_LINE="195 $((PANEL_TOP + 40))"
ENERGY_LINE="520 $((PANEL_TOP + 20))"
SHIELD_LINE="520 $((PANEL_TOP + 34))"
PLASMA_LINE="520 $((PANEL_TOP + 48))"
# The weapon picture at panel (195, 100), 229 x 20: cell 0 of fx/weapon.bmp
# for the plasma shot, cell 1 for the beam. A click in the switch area of the
# panel, (194, 98) to (424, 120), changes the selected unit's weapon.
WEAPON_AREA="229x20+195+$((PANEL_TOP + 100))"
PLASMA_WEAPON="$FX/weapon.bmp[229x20+0+0]"
BEAM_WEAPON="$FX/weapon.bmp[229x20+0+20]"
WEAPON_SWITCH="309 $((PANEL_TOP + 109))"
# The aiming dial lies exactly over the portrait box: 150 x 130 at (640, 439),
# its centre (715, 504).
DIAL_LEFT=640 DIAL_TOP=439
DIAL_AREA="150x130+$DIAL_LEFT+$DIAL_TOP"
DIAL_CENTRE_X=715 DIAL_CENTRE_Y=504
POINTER="#C8C800"      # the dial's pointer line, red 200, green 200, blue 0
DEGREES="#BEE1FF"      # the degrees beside the pointer's tip
HIT_RING="#FA9600"     # the rings where the ball strikes, red 250, green 150, blue 0
VICTORY_GOLD="#FFD778" # the victory panel's text
# The victory panel, fx/screen4.bmp, centred on the 800 x 600 screen.
WIN_W=$(identify -format %w "$FX/screen4.bmp") WIN_H=$(identify -format %h "$FX/screen4.bmp")
WIN_LEFT=$(( (800 - WIN_W) / 2 )) WIN_TOP=$(( (600 - WIN_H) / 2 ))

# dial_point <degrees>: the canvas point on the dial, about 45 to 60 pixels
# from its centre, whose direction is closest to the degrees, by the dial's own
# rule (degrees counter-clockwise from the right, the first quadrant's angle
# from atan with pi as 3.14159, mirrored into the others; a pointer on a
# centre line counts as right of or above the centre). Nothing when no point
# is within 0.3 degrees, so rounding cannot tip it to a neighbour.
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

# The ball's path for our world and angle, as the game computes it: one "x y"
# a step (its picture's top-left corner on the canvas), then how it ends.
PATH_FILE="$GAMEDIR/flight.txt"
"$TRAJECTORY" --worlds "$GAMEDIR/worlds.dat" --world $BATTLE_WORLD --from $GUNNER_X $GUNNER_Y --angle $AIM \
    --player 1 >"$PATH_FILE" 2>&1 || { echo "the trajectory tool failed: $(tail -n1 "$PATH_FILE")" >&2; exit 2; }
[ "$(tail -n1 "$PATH_FILE")" = "hit $RED_X $RED_Y" ] \
    || { echo "at $AIM degrees the ball no longer hits ($RED_X, $RED_Y): $(tail -n1 "$PATH_FILE"); choose again with the trajectory tool" >&2; exit 2; }
# Where it strikes (the last position, in board pixels) is where the rings go.
read -r HIT_X HIT_Y < <(tail -n2 "$PATH_FILE" | head -n1)
HIT_X=$((BOARD_LEFT + HIT_X)) HIT_Y=$((BOARD_TOP + HIT_Y))
AIM_POINT=$(dial_point $AIM) || { echo "no point of the dial gives $AIM degrees" >&2; exit 2; }
read -r AIM_X AIM_Y <<<"$AIM_POINT"

e2e_start

# =============================================================================
# First game: select, move, end the turn, leave.
# =============================================================================

# --- Title screen, world choice ---------------------------------------------
wait_until "title screen" 12 is_pixel 60 290 "$PREVIEW_BORDER"
keep title
# Another world first, then ours: the mark follows each click.
click $(box_of 1)
wait_until "mark on the preview of World1 after clicking it" 12 is_pixel $(mark_of 1) "$CHOSEN_MARK"
click $(box_of 0)
wait_until "mark on the preview of World0 after clicking it" 12 is_pixel $(mark_of 0) "$CHOSEN_MARK"
snap world0_chosen
expect "no mark on World1's preview once World0 is chosen" is_pixel $(mark_of 1) "#000000"

# click_to_select <x> <y> <what> <shot>: a click on cell (x, y) puts the
# selection frame (colour 2) on it; then a screenshot, kept as <shot>.
click_to_select() {
    click $(centre_of "$1" "$2")
    wait_until "selection frame (colour 2) on $3 ($1, $2)" 12 is_pixel $(top_line_of "$1" "$2") "$SELECTED"
    sleep 0.2
    snap "$4"
}
# hover_to_name <x> <y> <name> <what> <shot>: the pointer on cell (x, y), and
# the info panel names what is there; then a screenshot, kept as <shot>.
hover_to_name() {
    move $(centre_of "$1" "$2")
    wait_until "the info panel names $4 under the pointer" 12 has_text $NAME_LINE "$FX/font_r.bmp" "$3"
    sleep 0.2
    snap "$5"
}

# --- Game screen ---------------------------------------------------------------
# "Spiel starten"
click 120 557
wait_until "World0's blue unit at cell ($BLUE_X, $BLUE_Y) on the game screen" 12 \
    is_pixel $(centre_of $BLUE_X $BLUE_Y) "$(picture_centre_of $UNIT)"
sleep 0.3
snap game_started
expect "the blue unit's picture at cell ($BLUE_X, $BLUE_Y)" is_same "$(inside_of $BLUE_X $BLUE_Y)" "$(picture_inside_of $UNIT)"
expect "empty space at cell ($MOVE_X, $MOVE_Y)" is_same "$(inside_of $MOVE_X $MOVE_Y)" "$(empty_inside_of $MOVE_X $MOVE_Y)"
# No frames yet, so that the frames checked below are the clicks' doing.
expect "no selection frame before the first click" not_pixel $(top_line_of $BLUE_X $BLUE_Y) "$SELECTED"
expect "no reach frame before the first click" not_pixel $(top_line_of $MOVE_X $MOVE_Y) "$REACHABLE"
# The status line on the panel's bottom band names blue's turn in blue.
STATUS_LINE="461x14+175+$((PANEL_TOP + 154))"
expect "the status line names blue's turn in blue" has_colour "$STATUS_LINE" "$STATUS_BLUE" 20
expect "nothing red on the status line in blue's turn" lacks_colour "$STATUS_LINE" "$STATUS_RED"

# --- Hover: the frame follows the pointer, the panel shows the cell ----------
for p in "615 120" "435 270" "$(centre_of $PASS_X $PASS_Y)"; do move $p; done
wait_until "hover frame (colour 1) on cell ($PASS_X, $PASS_Y) under the pointer" 12 \
    is_pixel $(top_line_of $PASS_X $PASS_Y) "$HOVER"
move $(centre_of $BLUE_X $BLUE_Y)
wait_until "hover frame (colour 1) on the unit's cell ($BLUE_X, $BLUE_Y)" 12 is_pixel $(top_line_of $BLUE_X $BLUE_Y) "$HOVER"
sleep 0.2
snap unit_hovered
expect "the hover frame left cell ($PASS_X, $PASS_Y) with the pointer" is_pixel $(top_line_of $PASS_X $PASS_Y) "$GRID_OFF"
expect "the info panel names the unit under the pointer" has_text $NAME_LINE "$FX/font_r.bmp" "$UNIT_NAME"
expect "the info panel shows the unit's energy" has_text $ENERGY_LINE "$FX/font_g.bmp" "Energie: 100"

# --- Select the blue unit --------------------------------------------------------
click_to_select $BLUE_X $BLUE_Y "the blue unit's cell" unit_selected
# Range 2 (energy 100 at 50 a cell): cells one and two away are framed, the
# third is not.
expect "reach frame (colour 3) on the right neighbour ($MOVE_X, $MOVE_Y)" is_pixel $(top_line_of $MOVE_X $MOVE_Y) "$REACHABLE"
expect "reach frame (colour 3) on cell ($BLUE_X, $((BLUE_Y + 2))), two cells down" \
    is_pixel $(bottom_line_of $BLUE_X $((BLUE_Y + 2))) "$REACHABLE"
expect "reach frame (colour 3) on cell ($((BLUE_X - 1)), $BLUE_Y), to the left" \
    is_pixel $(top_line_of $((BLUE_X - 1)) $BLUE_Y) "$REACHABLE"
expect "no reach frame on cell ($((BLUE_X + 3)), $BLUE_Y), three cells away" \
    not_pixel $(top_line_of $((BLUE_X + 3)) $BLUE_Y) "$REACHABLE"

# --- Move it one cell to the right ---------------------------------------------
click_to_select $MOVE_X $MOVE_Y "the cell the unit moved to" unit_moved
expect "the blue unit's picture at its new cell ($MOVE_X, $MOVE_Y)" \
    is_same "$(inside_of $MOVE_X $MOVE_Y)" "$(picture_inside_of $UNIT)"
expect "empty space where the unit was, cell ($BLUE_X, $BLUE_Y)" \
    is_same "$(inside_of $BLUE_X $BLUE_Y)" "$(empty_inside_of $BLUE_X $BLUE_Y)"
# The old cell is now one the unit can go back to; the move cost 50 of its 100
# energy, so the cell left of the old one is out of reach.
expect "reach frame (colour 3), no longer the selection frame, on the old cell ($BLUE_X, $BLUE_Y)" \
    is_pixel $(top_line_of $BLUE_X $BLUE_Y) "$REACHABLE"
expect "no reach frame on cell ($((BLUE_X - 1)), $BLUE_Y) with the range left after the move" \
    is_pixel $(top_line_of $((BLUE_X - 1)) $BLUE_Y) "$GRID_OFF"
expect "the info panel shows the energy left after the move" has_text $ENERGY_LINE "$FX/font_g.bmp" "Energie: 50"

# --- "Zug beenden": button 1 at (16, 59) of the info panel ----------------------
click 90 $((PANEL_TOP + 74))
wait_until "selection frame gone from cell ($MOVE_X, $MOVE_Y) after ending the turn" 12 \
    not_pixel $(top_line_of $MOVE_X $MOVE_Y) "$SELECTED"
sleep 0.3
snap turn_ended
expect "the turn message on the info panel" has_text $NAME_LINE "$FX/font_r.bmp" "Zug 2"
expect "the turn message names the next player" has_text $SECOND_LINE "$FX/font_b.bmp" "Spieler 2"
expect "the status line names red's turn in red" has_colour "$STATUS_LINE" "$STATUS_RED" 20
expect "nothing blue on the status line in red's turn" lacks_colour "$STATUS_LINE" "$STATUS_BLUE"
expect "no frame left on cell ($MOVE_X, $MOVE_Y) after ending the turn" is_pixel $(top_line_of $MOVE_X $MOVE_Y) "$GRID_OFF"
expect "no frame left on cell ($BLUE_X, $BLUE_Y) after ending the turn" is_pixel $(top_line_of $BLUE_X $BLUE_Y) "$GRID_OFF"
expect "the blue unit stays at cell ($MOVE_X, $MOVE_Y)" is_same "$(inside_of $MOVE_X $MOVE_Y)" "$(picture_inside_of $UNIT)"

# --- "Verlassen": button 2 at (16, 97), then the exit screen's first button ---
click 90 $((PANEL_TOP + 112))
wait_until "exit screen" 12 is_pixel 480 185 "$DIALOG_BAR"
keep exit_screen
click 398 309
wait_until "title screen after the game" 12 is_pixel 60 290 "$PREVIEW_BORDER"
keep back_at_title

# =============================================================================
# Second game: beam, plasma shot, destruction, victory.
# =============================================================================

click $(box_of $BATTLE_WORLD)
wait_until "mark on the preview of World$BATTLE_WORLD after clicking it" 12 is_pixel $(mark_of $BATTLE_WORLD) "$CHOSEN_MARK"
click 120 557
wait_until "World$BATTLE_WORLD's red ship at cell ($RED_X, $RED_Y) on the game screen" 12 \
    is_pixel $(centre_of $RED_X $RED_Y) "$(picture_centre_of $RED)"
sleep 0.3
snap battle_started
expect "the beam unit's picture at cell ($BEAMER_X, $BEAMER_Y)" is_same "$(inside_of $BEAMER_X $BEAMER_Y)" "$(picture_inside_of $UNIT)"
expect "the plasma unit's picture at cell ($GUNNER_X, $GUNNER_Y)" is_same "$(inside_of $GUNNER_X $GUNNER_Y)" "$(picture_inside_of $GUNNER)"
expect "the red ship's picture at cell ($RED_X, $RED_Y)" is_same "$(inside_of $RED_X $RED_Y)" "$(picture_inside_of $RED)"
expect "empty space between the beam unit and the ship, cell ($GAP_X, $GAP_Y)" \
    is_same "$(inside_of $GAP_X $GAP_Y)" "$(empty_inside_of $GAP_X $GAP_Y)"
# A new game clears the last one's panel and selection.
expect "no selection frame left over from the first game" not_pixel $(top_line_of $MOVE_X $MOVE_Y) "$SELECTED"

# --- Hover the red ship: its values before the beam ----------------------------
# With nothing selected the info panel follows the pointer.
move $(centre_of $GAP_X $GAP_Y)
hover_to_name $RED_X $RED_Y "$RED_NAME" "the red ship" red_hovered
expect "the red ship's shield before the beam" has_text $SHIELD_LINE "$FX/font_g.bmp" "Schild:  60"

# --- The beam unit: select it, switch it to the beam ----------------------------
click_to_select $BEAMER_X $BEAMER_Y "the beam unit's cell" beamer_selected
expect "the info panel shows the beam unit's energy" has_text $ENERGY_LINE "$FX/font_g.bmp" "Energie: 100"
expect "the weapon switch shows the plasma shot, every unit's first weapon" is_same "$WEAPON_AREA" "$PLASMA_WEAPON"
click $WEAPON_SWITCH
wait_until "the weapon switch shows the beam after a click on it" 12 is_same "$WEAPON_AREA" "$BEAM_WEAPON"
keep beam_chosen

# --- Fire the beam -------------------------------------------------------------
# The beam is a line of pure red drawn by flipping pixels: each pixel of it
# becomes its colour XOR red, i.e. the board with its red channel inverted.
# It runs from centre to centre along row $RED_Y; across the empty cell
# between them it shows fx/back.bmp so flipped. It stays for one second,
# 800 ms after the click.
BEAM_Y=$(( $(cell_top $GAP_Y) + CELL / 2 ))
BEAM_AREA="$((CELL - 1))x1+$(( $(cell_left $GAP_X) + 1 ))+$BEAM_Y"
BEAM_LOOK="$GAMEDIR/beam.png"
convert "$FX/back.bmp[$((CELL - 1))x1+$((GAP_X * CELL + 1))+$((BEAM_Y - BOARD_TOP))]" +repage \
    -channel R -negate +channel "$BEAM_LOOK" || { echo "cannot draw the beam's look" >&2; exit 2; }
click $(centre_of $RED_X $RED_Y) 0
POLL_S=0 wait_until "the beam's red line across cell ($GAP_X, $GAP_Y)" 8 is_same "$BEAM_AREA" "$BEAM_LOOK"
keep beam_on
expect "the beam has cost its energy (the panel's energy line)" has_text $ENERGY_LINE "$FX/font_g.bmp" "Energie: 50"
# Off again, the line gives every pixel back.
wait_until "the beam gone, cell ($GAP_X, $GAP_Y) as before" 8 is_same "$(inside_of $GAP_X $GAP_Y)" "$(empty_inside_of $GAP_X $GAP_Y)"
# The struck cell blinks (colour 4, three times 200 ms) once the beam is off.
POLL_S=0 wait_until "the struck ship's cell blinking (colour 4)" 8 is_pixel $(top_line_of $RED_X $RED_Y) "$BLINK"
keep beam_blink
# The shot is over when the board frames the selection and the target again.
wait_until "the hover frame back on the ship after the beam" 12 is_pixel $(top_line_of $RED_X $RED_Y) "$HOVER"

# --- The ship's values read anew -------------------------------------------------
# While a unit is selected the panel keeps showing it, so a click on the beam
# unit drops the selection first; then the panel follows the pointer again.
click $(centre_of $BEAMER_X $BEAMER_Y)
wait_until "the selection dropped from cell ($BEAMER_X, $BEAMER_Y)" 12 \
    not_pixel $(top_line_of $BEAMER_X $BEAMER_Y) "$SELECTED"
move $(centre_of $GAP_X $GAP_Y)
wait_until "the panel shows empty space under the pointer" 12 has_text $NAME_LINE "$FX/font_r.bmp" "Weltall"
hover_to_name $RED_X $RED_Y "$RED_NAME" "the red ship again" red_damaged
expect "the red ship's shield after the beam, 60 - 40" has_text $SHIELD_LINE "$FX/font_g.bmp" "Schild:  20"
expect "the ship's own energy untouched by the beam" has_text $ENERGY_LINE "$FX/font_g.bmp" "Energie: 100"
expect "the red ship still at cell ($RED_X, $RED_Y)" is_same "$(inside_of $RED_X $RED_Y)" "$(picture_inside_of $RED)"
move $(centre_of $GAP_X $GAP_Y)
hover_to_name $BEAMER_X $BEAMER_Y "$UNIT_NAME" "the beam unit" beamer_spent
expect "the beam unit's energy after the beam" has_text $ENERGY_LINE "$FX/font_g.bmp" "Energie: 50"

# --- The plasma unit: select it, aim on the dial --------------------------------
click_to_select $GUNNER_X $GUNNER_Y "the plasma unit's cell" gunner_selected
expect "the plasma unit's charges" has_text $PLASMA_LINE "$FX/font_g.bmp" "Plasma:  3"
expect "the weapon switch shows the plasma shot for this unit" is_same "$WEAPON_AREA" "$PLASMA_WEAPON"
# The ship, clicked with the plasma shot chosen: 800 ms later the dial comes
# up over the portrait box, clean.
click $(centre_of $RED_X $RED_Y)
wait_until "the aiming dial (fx/screen3.bmp) over the portrait box" 12 is_same "$DIAL_AREA" "$FX/screen3.bmp"
keep dial_shown
move $AIM_X $AIM_Y 0.1
move $((AIM_X + 1)) $AIM_Y 0.1
move $AIM_X $AIM_Y
# The pointer: a line 3 pixels wide from the centre to the mouse; the degrees
# are written 25 pixels left of and above its tip.
POINTER_MID="$(( (DIAL_CENTRE_X + AIM_X) / 2 )) $(( (DIAL_CENTRE_Y + AIM_Y) / 2 ))"
wait_until "the dial's pointer line towards ($AIM_X, $AIM_Y)" 12 is_pixel $POINTER_MID "$POINTER"
sleep 0.2
snap aimed
expect "the pointer line in the middle between the dial's centre and the mouse" is_pixel $POINTER_MID "$POINTER"
expect "the degrees written beside the pointer's tip" has_colour "24x16+$((AIM_X - 25))+$((AIM_Y - 25))" "$DEGREES" 3
AIMED=$SHOT

# --- The flight, the hit, the explosion -----------------------------------------
# From the click on the dial on, one thing follows the other without a pause
# for us: the flight (a step at least every 10 ms), the rings (500 ms), the
# blink (1.2 s), the charge written on the panel, a second's wait, the
# explosion (16 frames of 150 ms). So the screenshots are taken as fast as
# they come and looked at in detail afterwards.
xdotool click 1
FLIGHT_START=$(date +%s)
n=0
blinked=
while [ $(( $(date +%s) - FLIGHT_START )) -lt 20 ]; do
    n=$((n + 1))
    grab "$GAMEDIR/grabs/flight_$(printf '%03d' $n).bmp"
    if is_pixel $(top_line_of $RED_X $RED_Y) "$BLINK"; then blinked=1; break; fi
    alive || fail "the game ended during the plasma shot"
done
[ -n "$blinked" ] \
    || fail "the struck ship's cell did not blink (colour 4) within 20 s of aiming: the ball missed, or its hit was not shown"
cp "$SHOT" "$GAMEDIR/grabs/blink.bmp"
expect "the dial hidden again once the ball flies" differs "$DIAL_AREA" "$FX/screen3.bmp"

# The hit is paid for after the blink: one plasma charge less on the panel.
wait_until "the plasma charge spent on the hit" 12 has_text $PLASMA_LINE "$FX/font_g.bmp" "Plasma:  2"
cp "$SHOT" "$GAMEDIR/grabs/spent.bmp"

# The ship's shield is down to 0: a second later it explodes, the 16 frames
# of fx/expl.bmp (4 x 4 of 60 x 60) painted over its cell, then the board is
# drawn anew without it. Each screenshot's cell is matched to the frame whose
# centre pixel it shows, then compared whole.
EXPL_CENTRES=()
for i in $(seq 0 15); do
    EXPL_CENTRES[i]="#$(identify -format "%[hex:p{$((i % 4 * CELL + CELL / 2)),$((i / 4 * CELL + CELL / 2))}]" "$FX/expl.bmp" | cut -c1-6)"
done
RED_CENTRE=$(centre_of $RED_X $RED_Y)
frames_seen=()
gone=
EXPLOSION_START=$(date +%s)
while [ $(( $(date +%s) - EXPLOSION_START )) -lt 15 ]; do
    grab
    if is_same "$(inside_of $RED_X $RED_Y)" "$(empty_inside_of $RED_X $RED_Y)"; then gone=1; break; fi
    centre=$(shot_pixel $RED_CENTRE)
    for i in $(seq 0 15); do
        [ "${EXPL_CENTRES[i]}" = "$centre" ] || continue
        if is_same "$(inside_of $RED_X $RED_Y)" \
            "$FX/expl.bmp[$((CELL - 1))x$((CELL - 1))+$((i % 4 * CELL + 1))+$((i / 4 * CELL + 1))]"; then
            if [ ${#frames_seen[@]} -eq 0 ]; then cp "$SHOT" "$GAMEDIR/grabs/explosion.bmp"; fi
            frames_seen+=("$i")
            break
        fi
    done
    alive || fail "the game ended during the explosion"
done
[ -n "$gone" ] || fail "the destroyed ship's cell ($RED_X, $RED_Y) does not show empty space: $WHY"
cp "$SHOT" "$GAMEDIR/grabs/destroyed.bmp"
distinct=$(printf '%s\n' "${frames_seen[@]}" | sort -u | grep -c .)
[ "$distinct" -ge 2 ] \
    || fail "the explosion was not seen: ${#frames_seen[@]} screenshots showed a frame of expl.bmp at ($RED_X, $RED_Y), $distinct different ones"
echo "explosion frames seen: ${frames_seen[*]}"

# Now the flight's screenshots. The ball: fx/plasma.bmp with its top-left
# corner on a point of the path. Whatever changed on the board since the
# aimed screenshot must be the ball, sitting exactly on one of the path's
# points; seen on two of them, it moves (three are enough to look for). The
# rings: the most of their colour around the point where the path ends.
BOARD_AREA="721x421+$BOARD_LEFT+$BOARD_TOP"
BALL_W=$(identify -format %w "$FX/plasma.bmp") BALL_H=$(identify -format %h "$FX/plasma.bmp")
ball_at=()
ball_shot=
rings_shot=
rings_most=0
for f in "$GAMEDIR"/grabs/flight_*.bmp; do
    SHOT=$f
    rings=$(count_colour "9x9+$((HIT_X - 4))+$((HIT_Y - 4))" "$HIT_RING")
    if [ "$rings" -gt "$rings_most" ]; then rings_most=$rings; rings_shot=$f; fi
    [ "$(printf '%s\n' "${ball_at[@]}" | sort -u | grep -c .)" -lt 3 ] || continue
    compare -metric AE "${AIMED}[$BOARD_AREA]" "${f}[$BOARD_AREA]" -compose src \
        -highlight-color white -lowlight-color black "$GAMEDIR/grabs/changed.bmp" >/dev/null 2>&1
    box=$(identify -format '%@' "$GAMEDIR/grabs/changed.bmp" 2>/dev/null)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || continue
    bw=${BASH_REMATCH[1]} bh=${BASH_REMATCH[2]}
    bx=$((BASH_REMATCH[3] + BOARD_LEFT)) by=$((BASH_REMATCH[4] + BOARD_TOP))
    [ "$bw" -gt 0 ] && [ "$bw" -le "$BALL_W" ] && [ "$bh" -le "$BALL_H" ] || continue
    while read -r px py; do
        [[ $px =~ ^[0-9]+$ ]] || continue
        if [ "$px" -le "$bx" ] && [ "$py" -le "$by" ] && [ $((bx + bw)) -le $((px + BALL_W)) ] \
            && [ $((by + bh)) -le $((py + BALL_H)) ] \
            && is_same "${BALL_W}x${BALL_H}+$px+$py" "$FX/plasma.bmp"; then
            ball_at+=("($px, $py)")
            [ -n "$ball_shot" ] || ball_shot=$f
            break
        fi
    done <"$PATH_FILE"
done
places=$(printf '%s\n' "${ball_at[@]}" | sort -u | grep -c .)
[ "$places" -ge 2 ] \
    || fail "the plasma ball was not seen moving on its path: at $places of its points in $n screenshots of the flight"
echo "ball seen on its path at ${ball_at[*]}"
[ -n "$rings_shot" ] || fail "no hit rings ($HIT_RING) around ($HIT_X, $HIT_Y) in $n screenshots of the flight"

for kept in "$ball_shot:plasma_in_flight" "$rings_shot:plasma_hit_rings" "$GAMEDIR/grabs/blink.bmp:plasma_blink" \
    "$GAMEDIR/grabs/spent.bmp:plasma_spent" "$GAMEDIR/grabs/explosion.bmp:explosion" \
    "$GAMEDIR/grabs/destroyed.bmp:ship_destroyed"; do
    SHOT=${kept%%:*}
    keep "${kept##*:}"
done

# --- Victory ----------------------------------------------------------------------
# The panel, centred: its picture wherever no text is written (its right
# part, its bottom rows), the four lines of gold text on the left.
# panel_area <w> <h> <x> <y>: a part of the panel, as a crop of the canvas.
panel_area() { echo "$1x$2+$((WIN_LEFT + $3))+$((WIN_TOP + $4))"; }
panel_picture() { echo "$FX/screen4.bmp[$1x$2+$3+$4]"; }
WIN_RIGHT="$((WIN_W - 300)) $WIN_H 300 0"
WIN_BOTTOM="300 $((WIN_H - 92)) 0 92"
wait_until "the victory panel, centred" 12 is_same "$(panel_area $WIN_RIGHT)" "$(panel_picture $WIN_RIGHT)"
sleep 0.3
snap victory
expect "the victory panel's bottom rows" is_same "$(panel_area $WIN_BOTTOM)" "$(panel_picture $WIN_BOTTOM)"
expect "the destroyed ship's cell shows space under the panel's game" \
    is_same "$(inside_of $RED_X $RED_Y)" "$(empty_inside_of $RED_X $RED_Y)"
for top in 5 30 50 70; do
    expect "a line of victory text at panel row $top" has_colour "$(panel_area 290 14 10 $((top + 1)))" "$VICTORY_GOLD" 20
done
for gap in 24 46 66; do
    expect "no text between the lines (panel row $gap)" is_same "$(panel_area 290 1 10 $gap)" "$(panel_picture 290 1 10 $gap)"
done
# The lines' lengths, against the same lines drawn by ImageMagick in the
# game's typeface (Liberation Sans Bold at 10.2 pt and 96 dpi). The two
# renderers place glyphs a little differently, so the first line, the same
# after every game, sets the scale and the others must come within 2 pixels
# and 2 percent of it: enough to tell "(blau)" from "(rot)" or a missing
# word, not one digit from another.
VICTORY_FONT=
for d in /usr/share/fonts/truetype/liberation /usr/share/fonts/truetype/liberation2 /usr/share/fonts/liberation \
    /usr/share/fonts/liberation-sans /usr/share/fonts/TTF /usr/local/share/fonts; do
    [ -f "$d/LiberationSans-Bold.ttf" ] && { VICTORY_FONT="$d/LiberationSans-Bold.ttf"; break; }
done
# ink_of <panel row>: "<left> <width>" of what the text changed on that line.
ink_of() {
    compare -metric AE "${SHOT}[$(panel_area 380 20 10 "$1")]" "$(panel_picture 380 20 10 "$1")" -compose src \
        -highlight-color white -lowlight-color black "$GAMEDIR/grabs/ink.bmp" >/dev/null 2>&1
    identify -format '%@' "$GAMEDIR/grabs/ink.bmp" | sed -n 's/^\([0-9]*\)x[0-9]*+\([0-9]*\)+.*/\2 \1/p'
}
if [ -n "$VICTORY_FONT" ]; then
    scale=
    while IFS='|' read -r top text; do
        read -r left width < <(ink_of "$top")
        [ "$left" -le 1 ] || fail "victory line \"$text\" starts at panel x $((10 + left)), not 10"
        drawn=$(convert -font "$VICTORY_FONT" -density 96 -pointsize 10.2 label:"$text" -trim -format %w info:) \
            || fail "ImageMagick cannot draw \"$text\""
        if [ -z "$scale" ]; then
            scale=$(awk -v a="$width" -v b="$drawn" 'BEGIN { print a / b }')
            continue
        fi
        awk -v w="$width" -v d="$drawn" -v k="$scale" 'BEGIN { e = d * k; exit !((w - e) ^ 2 <= (2 + 0.02 * e) ^ 2) }' \
            || fail "victory line at panel row $top is $width pixels long, not about $(awk -v d="$drawn" -v k="$scale" 'BEGIN { printf "%.0f", d * k }') for \"$text\""
    done <<'EOF'
5|Das Spiel ist zu Ende.
30|Team 1 (blau) hat in einer
50|0 minütigen Schlacht
70|mit 1 Zügen den Gegner geschlagen.
EOF
else
    echo "no Liberation Sans Bold here: the victory lines' lengths are not checked"
fi

# The click ends the game: back to the title screen.
click $((WIN_LEFT + WIN_W / 2)) $((WIN_TOP + WIN_H / 2))
wait_until "title screen after the victory" 12 is_pixel 60 290 "$PREVIEW_BORDER"
keep title_after_victory

# "Beenden": the program ends, so no check that it is still alive.
move 680 557 0.1
move 681 557 0.1
xdotool click 1
e2e_finish
echo "PASS: played two games and quit in $(( $(date +%s) - START )) s; screenshots in $SHOTS"
