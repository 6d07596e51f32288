#!/bin/sh
# The recorded games replayed by the build's rules on the shipped data: each
# must end as recorded. And the same records on a changed worlds.dat must be
# refused, so that a record is never checked against other worlds by mistake.
#   verify_games.sh TOOL GAMES_FOLDER
set -u
tool=$1
games=$2
"$tool" --verify "$games"/*.sdgame || exit 1
changed=$(mktemp)
trap 'rm -f "$changed"' EXIT
tooldir=$(dirname "$tool")
cp "$tooldir/worlds.dat" "$changed"
echo "; one more line" >> "$changed"
if "$tool" --verify --worlds "$changed" "$games"/world0.sdgame >/dev/null; then
  echo "a record passed on a changed worlds.dat" >&2
  exit 1
fi
exit 0
