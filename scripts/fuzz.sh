#!/bin/sh
# Fuzzes the data loaders (worlds.dat, settings.dat, the INI reader) with
# libFuzzer for the given number of seconds (default 600).
# Usage: scripts/fuzz.sh [seconds]
set -eu

SECONDS_TO_RUN="${1:-600}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
WORK="$BUILD/fuzz-run"

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSD_FUZZ=ON -DSD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target fuzz_loaders -j2

# Seed corpus: the shipped data files and a few hand-made corner cases.
mkdir -p "$WORK/corpus" "$WORK/findings"
cp "$ROOT/data/worlds.dat" "$WORK/corpus/worlds.dat"
cp "$ROOT/data/settings.dat" "$WORK/corpus/settings.dat"
printf '[Global]\r\nRaster_width="60"\r\nRaster_max_x=12\r\n[World0]\r\n1=5  7 -3 abc 4x 2.5 1e3\r\n' > "$WORK/corpus/crlf.dat"
printf '\357\273\277[Colors]\nCounter=5\n0R=300\n3G=1e400\n;c\n[x\nno equals\n' > "$WORK/corpus/bom.dat"

cd "$WORK"
set +e
"$BUILD/fuzz/fuzz_loaders" "$WORK/corpus" \
  -max_total_time="$SECONDS_TO_RUN" -max_len=200000 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$WORK/findings/" -print_final_stats=1 2>&1 | tee "$WORK/fuzz.log" | grep -v '^#[0-9]*.*\(NEW\|REDUCE\|pulse\)'
set -e

echo "---"
grep -E '^stat::number_of_executed_units|^Done [0-9]+ runs' "$WORK/fuzz.log" || true
FOUND=$(find "$WORK/findings" -type f | wc -l)
echo "findings: $FOUND file(s) in $WORK/findings"
find "$WORK/findings" -type f
[ "$FOUND" -eq 0 ]
