# shellcheck shell=bash
# shellcheck disable=SC2034  # GAMEDIR, FX, GAME and friends are for the script that sources this
# Helpers of the end-to-end runs: a private X server, the game started from a
# copy of its program folder, real pointer input, and checks on screenshots of
# the game window.
#
# The script that sources this sets OUT (the build's output folder, with the
# game, settings.dat and fx/) and SHOTS (where the screenshots go), then calls
# e2e_prepare, writes its worlds.dat into $GAMEDIR, and calls e2e_start.
#
# Checks come in two halves. A test function (is_pixel, is_same, has_text, ...)
# looks at the current screenshot $SHOT, returns 0 or 1 and leaves in WHY what
# it saw; expect runs one on the screenshot at hand and ends the run when it
# fails, wait_until takes new screenshots until it passes or time runs out.

# How long the program may run from its start to its end, in seconds: the
# two games take about 40 on an idle machine; the rest is for a busy one.
LIMIT=${SD_E2E_LIMIT:-90}

XVFB_PID=
GAME_PID=
GAMEDIR=
SHOT=
WHY=
step=0

e2e_cleanup() {
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

# e2e_prepare: the tools, the program folder copied to a temp dir (the game
# reads worlds.dat, settings.dat and fx/ from the directory of its executable,
# so the copy runs on the caller's worlds), and the screenshot folder.
e2e_prepare() {
    [ -x "$OUT/sternenduell" ] || { echo "no game at $OUT/sternenduell" >&2; exit 2; }
    [ -f "$OUT/settings.dat" ] && [ -d "$OUT/fx" ] || { echo "no settings.dat or fx/ in $OUT" >&2; exit 2; }
    local tool
    for tool in Xvfb xdotool import compare identify convert; do
        command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
    done
    mkdir -p "$SHOTS"
    rm -f "$SHOTS"/[0-9][0-9]_*.png "$SHOTS/failure.png"   # an earlier run's
    trap e2e_cleanup EXIT
    GAMEDIR=$(mktemp -d "${TMPDIR:-/tmp}/sd-e2e.XXXXXX") || exit 2
    cp "$OUT/sternenduell" "$OUT/settings.dat" "$GAMEDIR/" && cp -r "$OUT/fx" "$GAMEDIR/fx" || exit 2
    mkdir -p "$GAMEDIR/grabs"
    GAME="$GAMEDIR/sternenduell"
    FX="$GAMEDIR/fx"
    GAME_LOG="$GAMEDIR/game.log"
    # The records of the games played go to the run's folder, not to the home.
    export XDG_STATE_HOME="$GAMEDIR/state"
}

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

# e2e_start: Xvfb, then the game on it, then its window. The game's command
# line is GAME_ARGS (by default a window, no sound), and its window must come
# up as GAME_WINDOW (by default 800x600, the canvas one to one).
e2e_start() {
    # Xvfb picks a free display itself and tells its number once it is ready:
    # choosing one beforehand races with other runs (another engineer's test,
    # a second ctest) that look for a free number at the same moment.
    # -noreset: by default the server resets when its last client leaves, and
    # a game that connects just then (right after our readiness probe) is
    # refused; SDL then quietly falls back to its offscreen driver and no
    # window ever appears.
    : >"$GAMEDIR/display"   # there before the first look, however late Xvfb starts
    # XVFB_ARGS: more switches for the server (a run that needs it without
    # the X core fonts passes "-fp built-ins").
    # shellcheck disable=SC2086  # the switches are words
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp ${XVFB_ARGS:-} 3>"$GAMEDIR/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    local display_num="" _
    for _ in $(seq 1 100); do
        display_num=$(tr -dc '0-9' <"$GAMEDIR/display")
        [ -n "$display_num" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$display_num" ] || { echo "Xvfb did not start" >&2; exit 2; }
    export DISPLAY=":$display_num"
    xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer" >&2; exit 2; }

    START=$(date +%s)
    local args
    read -r -a args <<<"${GAME_ARGS:--NOSCREEN -NOSOUND}"
    SDL_AUDIODRIVER=dummy "$GAME" "${args[@]}" >"$GAME_LOG" 2>&1 &
    GAME_PID=$!

    WID=
    for _ in $(seq 1 100); do
        WID=$(xdotool search --onlyvisible --name Sternenduell 2>/dev/null | head -n1)
        [ -n "$WID" ] && break
        alive || fail "the game ended before its window appeared"
        sleep 0.2
    done
    [ -n "$WID" ] || fail "the game window did not appear"
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    [ "${WIDTH}x${HEIGHT}" = "${GAME_WINDOW:-800x600}" ] || fail "window is ${WIDTH}x${HEIGHT}, not ${GAME_WINDOW:-800x600}"
}

fail() {
    echo "FAIL: $*" >&2
    timeout 10 import -window root -depth 8 "$SHOTS/failure.png" 2>/dev/null
    if [ -s "$GAME_LOG" ]; then
        echo "--- the game's output:" >&2
        # A sanitizer's report from its first line; anything else, the end.
        if grep -q '^==[0-9]*==ERROR: ' "$GAME_LOG"; then
            sed -n '/^==[0-9]*==ERROR: /,$p' "$GAME_LOG" | head -n 150 >&2
        else
            tail -n 60 "$GAME_LOG" >&2
        fi
    fi
    exit 1
}
alive() { kill -0 "$GAME_PID" 2>/dev/null; }

# e2e_finish: waits for the program to end by itself; its exit status must be
# 0 (a sanitizer build ends with another one when it found a fault or a leak).
e2e_finish() {
    while alive; do
        if [ $(( $(date +%s) - START )) -ge "$LIMIT" ]; then
            fail "the program did not end within $LIMIT s"
        fi
        sleep 0.2
    done
    wait "$GAME_PID"
    local rc=$?
    GAME_PID=
    [ "$rc" -eq 0 ] || fail "the program exited with $rc"
}

# ---------------------------------------------------------------------------
# Screenshots. The game window shows the canvas one to one. Screenshots that
# are only looked at are BMP (a PNG of the window takes ImageMagick half a
# second to write at its usual compression, long enough to miss what shows
# for 200 ms); the ones kept in $SHOTS are PNG at the lowest compression.

# grab [file]: a new screenshot of the game window as $SHOT (by default one
# that the next grab overwrites).
# shellcheck disable=SC2120  # the file is for the caller that keeps a series
grab() {
    SHOT=${1:-"$GAMEDIR/grabs/now.bmp"}
    import -window "$WID" -depth 8 "$SHOT" 2>/dev/null || fail "no screenshot of the game window"
}
# snap <name>: a new screenshot, kept in $SHOTS; the checks after it read it,
# so what is checked is what the picture shows.
snap() {
    step=$((step + 1))
    SHOT="$SHOTS/$(printf '%02d' $step)_$1.png"
    import -window "$WID" -depth 8 -quality 10 "$SHOT" 2>/dev/null || fail "no screenshot of the game window for $1"
}
# keep <name>: the screenshot at hand (the one a wait ended on) kept in $SHOTS.
keep() {
    step=$((step + 1))
    local kept
    kept="$SHOTS/$(printf '%02d' $step)_$1.png"
    convert "$SHOT" -quality 10 "$kept" || fail "cannot keep the screenshot as $kept"
    SHOT=$kept
}

# ---------------------------------------------------------------------------
# Pointer input, in canvas pixels.
move() { xdotool mousemove --window "$WID" "$1" "$2"; sleep "${3:-0.15}"; }
click() {
    move "$1" "$2" 0.1
    move "$(( $1 + 1 ))" "$2" 0.1   # a real movement, so the hover looks are shown
    xdotool click 1
    sleep "${3:-0.3}"
    alive || fail "the game ended unexpectedly after a click at ($1, $2)"
}

# ---------------------------------------------------------------------------
# Tests on $SHOT.

# The colour of a pixel of $SHOT as #RRGGBB.
shot_pixel() { echo "#$(identify -format "%[hex:p{$1,$2}]" "$SHOT" 2>/dev/null | cut -c1-6)"; }
# differing <picture A> <picture B>: how many pixels differ (ImageMagick names,
# with a crop in brackets where needed).
differing() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ $n =~ ^[0-9]+$ ]] || fail "cannot compare $1 with $2: $n"
    echo "$n"
}

# is_pixel <x> <y> <colour>, not_pixel ...
is_pixel() {
    local now
    now=$(shot_pixel "$1" "$2")
    WHY="pixel ($1, $2) is $now, not $3"
    [ "$now" = "$3" ]
}
not_pixel() {
    local now
    now=$(shot_pixel "$1" "$2")
    WHY="pixel ($1, $2) is $3"
    [ "$now" != "$3" ]
}
# is_same <crop of the screen> <picture>, differs ...: a crop is
# <width>x<height>+<x>+<y>.
is_same() {
    local n
    n=$(differing "${SHOT}[$1]" "$2")
    WHY="$n pixels of the screen area $1 differ from $2"
    [ "$n" -eq 0 ]
}
differs() {
    local n
    n=$(differing "${SHOT}[$1]" "$2")
    WHY="the screen area $1 shows $2"
    [ "$n" -gt 0 ]
}
# count_colour <crop> <colour>: how many pixels of the screen area have exactly
# that colour.
count_colour() {
    local w h n
    w=${1%%x*}
    h=${1#*x}
    h=${h%%+*}
    n=$(compare -metric AE "${SHOT}[$1]" -size "${w}x${h}" "xc:$2" null: 2>&1)
    [[ $n =~ ^[0-9]+$ ]] || fail "cannot look for $2 in the screen area $1: $n"
    echo $(( w * h - n ))
}
# has_colour <crop> <colour> [at least]: the area holds that many pixels of it.
has_colour() {
    local n
    n=$(count_colour "$1" "$2")
    WHY="the screen area $1 has $n pixels of $2, not at least ${3:-1}"
    [ "$n" -ge "${3:-1}" ]
}
lacks_colour() {
    local n
    n=$(count_colour "$1" "$2")
    WHY="the screen area $1 has $n pixels of $2"
    [ "$n" -eq 0 ]
}
# has_text <x> <y> <font file> <text>: bitmap-font text as the game paints it,
# one 8 x 12 glyph cell of the font (16 to a row) per character from (x, y) on,
# 8 pixels apart; a blank paints nothing and is not checked.
has_text() {
    local x=$1 y=$2 font=$3 text=$4 i c code cell wrong=
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
    WHY="\"$text\" is not written at ($x, $y) in $(basename "$font") (wrong: $wrong)"
    [ -z "$wrong" ]
}

# expect <what> <test> <arguments>: the test holds on the screenshot at hand.
expect() {
    local what=$1
    shift
    "$@" || fail "$what: $WHY"
}
# wait_until <what> <seconds> <test> <arguments>: new screenshots until the
# test holds on one; that one stays $SHOT, for keep and the checks after it.
# POLL_S=0 before it looks as fast as screenshots come, for what shows only
# briefly.
wait_until() {
    local what=$1 seconds=$2 deadline
    shift 2
    deadline=$(( $(date +%s%N) / 1000000 + seconds * 1000 ))
    while :; do
        grab
        "$@" && return 0
        alive || fail "the game ended while waiting for $what ($WHY)"
        [ $(( $(date +%s%N) / 1000000 )) -lt "$deadline" ] || fail "$what: $WHY"
        sleep "${POLL_S:-0.1}"
    done
}
