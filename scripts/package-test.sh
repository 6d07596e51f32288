#!/usr/bin/env bash
# Builds the Debian package and judges it with lintian (any error or warning
# not overridden with a reason fails), validates its desktop entry and
# AppStream data, installs it with apt, checks the layout and the manual page,
# starts the installed game under Xvfb until the title screen is up (from
# /usr/games and through the desktop entry's command) and removes it again.
#
#   scripts/package-test.sh [build-dir]
#
# Needs root (or sudo): it installs into the system. CI machines are thrown
# away after the run; on your own machine it leaves nothing behind either.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in lintian desktop-file-validate appstreamcli dpkg-shlibdeps man; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

cmake --build "$BUILD" --target sternenduell sd_assets sd_icons sternenduell-trajectory sd_docs >/dev/null
rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G DEB -B package >/dev/null)
DEB=$(ls "$PWD/$BUILD"/package/sternenduell_*.deb)
echo "package: $(basename "$DEB") ($(du -h "$DEB" | cut -f1))"

# Debian's checker. Its notes (I:) and the overrides (O:) are shown for the
# record; only errors and warnings that no override explains fail.
lintian --display-info --show-overrides "$DEB" 2>/dev/null | grep -E '^[EWIO]:' | sed 's/^/  lintian /' || true
lintian --fail-on error,warning "$DEB" >/dev/null 2>&1 || fail "lintian finds errors or warnings: lintian $DEB"
echo "lintian: no errors or warnings beyond the overrides in packaging/lintian-overrides"
# The package's tree as a whole: its AppStream data, and their launchable
# pointing at the desktop entry it ships.
TREE=$(ls -d "$BUILD"/package/_CPack_Packages/Linux/DEB/sternenduell-*/)
appstreamcli validate-tree --no-net "$TREE" >/dev/null ||
    fail "the package's tree does not validate: appstreamcli validate-tree --no-net $TREE"

cleanup() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    $SUDO apt-get remove -y -qq sternenduell >/dev/null 2>&1 || true
}
trap cleanup EXIT

$SUDO apt-get install -y -qq "$DEB" >/dev/null || fail "apt could not install the package"
DATA=/usr/share/games/sternenduell
[ -x /usr/games/sternenduell ] && [ -x /usr/games/sternenduell-trajectory ] || fail "programs not in /usr/games"
[ -f $DATA/worlds.dat ] && [ -f $DATA/settings.dat ] && [ -f $DATA/fx/main.bmp ] || fail "data folder incomplete"
[ -f /usr/share/doc/sternenduell/copyright ] || fail "no copyright file"
DESKTOP=/usr/share/applications/sternenduell.desktop
[ -f $DESKTOP ] || fail "no desktop entry"
for size in 16 32 48 256; do
    [ -f /usr/share/icons/hicolor/${size}x${size}/apps/sternenduell.png ] || fail "no ${size} pixel icon"
done
desktop-file-validate $DESKTOP || fail "desktop entry does not validate"
appstreamcli validate --no-net /usr/share/metainfo/io.github.sternenduell.metainfo.xml >/dev/null ||
    fail "AppStream data do not validate: appstreamcli validate --no-net /usr/share/metainfo/io.github.sternenduell.metainfo.xml"
for page in sternenduell sternenduell-trajectory; do
    man "$page" 2>/dev/null | grep -q -- "${page^^}(6)" || fail "man $page shows no page"
done
echo "desktop entry and AppStream data validate; man sternenduell and man sternenduell-trajectory show their pages"

# The world authors' tool finds the installed worlds.
SCAN=$(cd / && /usr/games/sternenduell-trajectory --world 0 --scan --player 1 2>&1) && [ -n "$SCAN" ] ||
    fail "the installed trajectory tool did not find its worlds: $SCAN"

# Start the installed game; the probe ends it once the title is up.
for n in $(seq 171 230); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUM=$n; break; fi
done
Xvfb ":$DISPLAY_NUM" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUM" ] && break; sleep 0.1; done
# A desktop session's search path (Debian's default for users): /usr/games is
# in it, as the desktop entry's command relies on.
SESSION_PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
start() {
    local how=$1; shift
    local out
    out=$(cd / && env PATH=$SESSION_PATH DISPLAY=":$DISPLAY_NUM" SDL_AUDIODRIVER=dummy SD_STARTUP_PROBE=1 \
        timeout 30 "$@" -NOSCREEN -NOSOUND 2>&1) || fail "the installed game did not start $how: $out"
    grep -q SD_STARTUP_PROBE <<<"$out" || fail "the installed game did not reach its title screen $how: $out"
    echo "installed game started $how and showed its title screen"
}
start "from /usr/games/sternenduell" /usr/games/sternenduell
# The entry's Exec line takes no field codes, so its words are the command.
EXEC=$(sed -n 's/^Exec=//p' $DESKTOP)
[ -n "$EXEC" ] || fail "the desktop entry has no command"
read -r -a EXEC_WORDS <<<"$EXEC"
start "through the desktop entry's command ($EXEC)" "${EXEC_WORDS[@]}"

$SUDO apt-get remove -y -qq sternenduell >/dev/null || fail "apt could not remove the package"
[ ! -e /usr/games/sternenduell ] && [ ! -e $DATA ] || fail "files left after removal"
echo "PASS: package passes lintian, installs, starts and uninstalls cleanly"
