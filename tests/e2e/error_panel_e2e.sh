#!/bin/bash
# End-to-end run of the error panel: where the system's message box cannot be
# shown (SDL's box on X needs the X core fonts; this run's X server has only
# its built-in ones, whatever the machine has installed), the game shows the
# message in a panel of its own over the title screen. It is opened by a
# broken worlds.dat and "Spiel starten", closed once with Escape and once with
# its button, each time leaving the title as it was; then "Beenden".
#
#   error_panel_e2e.sh <build-out-dir> [screenshot-dir]
set -u

OUT=${1:?usage: error_panel_e2e.sh <build-out-dir> [screenshot-dir]}
SHOTS=${2:-$OUT/../e2e-shots}/error-panel
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

e2e_prepare
printf '[Global]\r\nRaster_max_x=abc\r\n' >"$GAMEDIR/worlds.dat"
XVFB_ARGS="-fp built-ins"

# The panel's colours: its caption bar, the red of its icon.
BAR="#1E285A"
ICON="#C8322E"
# A one-line message: the panel is 130 pixels high with its caption bar,
# centred, so its button's centre is at (400, 336).
PANEL_AREA="560x200+120+200"
OK_X=400 OK_Y=336
START_X=120 START_Y=557
QUIT_X=680 QUIT_Y=557

panel_shown() { has_colour "$PANEL_AREA" "$BAR" 4000 && has_colour "$PANEL_AREA" "$ICON" 300; }
title_back() { is_same "$PANEL_AREA" "$GAMEDIR/title.bmp[$PANEL_AREA]"; }

e2e_start
move $START_X $START_Y 0.5
grab "$GAMEDIR/title.bmp"
expect "the title screen has no panel yet" not_pixel 400 246 "$BAR"

click $START_X $START_Y
wait_until "the error panel over the title" 10 panel_shown
keep panel
grep -q 'worlds.dat.*Raster_max_x' "$GAME_LOG" || fail "standard error lacks the message"
grep -q 'no system message box' "$GAME_LOG" || fail "standard error does not say why the panel shows"

# Clicks beside the panel do nothing while it is open: "Beenden" stays unheard.
click $QUIT_X $QUIT_Y
grab
expect "the panel is still open after a click beside it" panel_shown

xdotool key --window "$WID" Escape
wait_until "Escape closes the panel and the title is whole again" 10 title_back

click $START_X $START_Y
wait_until "the error panel again" 10 panel_shown
click $OK_X $OK_Y
wait_until "its button closes the panel" 10 title_back
keep title_after_panel

click $QUIT_X $QUIT_Y 0.1
e2e_finish
echo "error panel e2e: PASS"
