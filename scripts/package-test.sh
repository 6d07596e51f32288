#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, starts the installed game
# from its link under Xvfb until the title screen is up, checks the desktop
# entry and the icons, and removes the package again.
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

cmake --build "$BUILD" --target sternenduell sd_assets sd_icons sternenduell-trajectory >/dev/null
rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G DEB -B package >/dev/null)
DEB=$(ls "$PWD/$BUILD"/package/sternenduell_*.deb)
echo "package: $(basename "$DEB") ($(du -h "$DEB" | cut -f1))"

fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    $SUDO apt-get remove -y -qq sternenduell >/dev/null 2>&1 || true
}
trap cleanup EXIT

$SUDO apt-get install -y -qq "$DEB" >/dev/null || fail "apt could not install the package"
[ -L /usr/bin/sternenduell ] || fail "no /usr/bin/sternenduell link"
[ -f /usr/lib/sternenduell/worlds.dat ] && [ -f /usr/lib/sternenduell/fx/main.bmp ] || fail "game folder incomplete"
[ -f /usr/share/applications/sternenduell.desktop ] || fail "no desktop entry"
for size in 16 32 48 256; do
    [ -f /usr/share/icons/hicolor/${size}x${size}/apps/sternenduell.png ] || fail "no ${size} pixel icon"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/sternenduell.desktop || fail "desktop entry does not validate"
fi

# Start the installed game from its link; the probe ends it once the title is up.
for n in $(seq 171 230); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUM=$n; break; fi
done
Xvfb ":$DISPLAY_NUM" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUM" ] && break; sleep 0.1; done
OUT=$(cd / && DISPLAY=":$DISPLAY_NUM" SDL_AUDIODRIVER=dummy SD_STARTUP_PROBE=1 timeout 30 sternenduell -NOSCREEN -NOSOUND 2>&1) ||
    fail "the installed game did not start: $OUT"
grep -q SD_STARTUP_PROBE <<<"$OUT" || fail "the installed game did not reach its title screen: $OUT"
echo "installed game started from /usr/bin/sternenduell and showed its title screen"

$SUDO apt-get remove -y -qq sternenduell >/dev/null || fail "apt could not remove the package"
[ ! -e /usr/bin/sternenduell ] && [ ! -e /usr/lib/sternenduell/sternenduell ] || fail "files left after removal"
echo "PASS: package installs, starts and uninstalls cleanly"
