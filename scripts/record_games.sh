#!/bin/sh
# Writes the recorded games of tests/games again, one per world of
# data/worlds.dat, from headless games of the computer (light blue against
# strong red). Run it after a change of the worlds or the rules that is meant
# to change how the games go, and commit the new records with it.
#   scripts/record_games.sh [build folder]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
tool=$build/out/sternenduell-trajectory
cmake --build "$build" --target sternenduell-trajectory >/dev/null
worlds=$(grep -o '^\[World[0-9]*\]' "$here/data/worlds.dat" | tr -dc '0-9\n')
rm -f "$here"/tests/games/world*.sdgame
for n in $worlds; do
  "$tool" --record "$n" "$here/tests/games/world$n.sdgame" --worlds "$here/data/worlds.dat"
done
"$tool" --verify --worlds "$here/data/worlds.dat" "$here"/tests/games/*.sdgame
