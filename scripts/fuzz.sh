#!/bin/sh
# Fuzzes every kind of file the game reads with libFuzzer (clang): the data
# files (worlds.dat, settings.dat), the bitmaps, the pointer icons and the
# sounds. Each target runs for the given seconds without sanitizers, for
# speed; then everything it kept, and anything it found, is replayed once
# under AddressSanitizer and UBSan. Prints executions, speed, coverage and
# findings per target; exits non-zero when anything was found.
#
# Usage: scripts/fuzz.sh [seconds per target] [target ...]
#   targets: loaders bmp ico wav record net (default: all); seconds default 120
#   SD_FUZZ_RUNS=n  runs each target for n executions instead of a time
#
# The corpus grows across runs in build-fuzz/fuzz-run/corpus; the seeds are
# our own files, copied fresh each time: data/*.dat, the generated fx/ of the
# normal build (built here when missing), tests/fuzz/seeds and the inputs of
# fixed findings in tests/fuzz/regressions.
set -eu

SECONDS_TO_RUN="${1:-120}"
[ $# -gt 0 ] && shift
TARGETS="${*:-loaders bmp ico wav record net}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
FAST="$ROOT/build-fuzz"
CHECKED="$ROOT/build-fuzz-asan"
WORK="$FAST/fuzz-run"
JOBS=2

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

for dir in "$FAST:" "$CHECKED:address,undefined"; do
  build="${dir%%:*}"
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSD_FUZZ=ON -DSD_FUZZ_SANITIZE="${dir#*:}" -DSD_BENCH=OFF >/dev/null
  for t in $TARGETS; do
    cmake --build "$build" --target "fuzz_$t" -j"$JOBS" >/dev/null
  done
done

# The asset generator is built with the default compiler, in the normal build.
FX="$ROOT/build/out/fx"
if [ ! -f "$FX/c1.ico" ] || [ ! -f "$FX/001.wav" ]; then
  cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$ROOT/build" --target sd_assets -j"$JOBS" >/dev/null
fi

seeds() {  # target -> its seed files
  case "$1" in
    loaders) echo "$ROOT"/data/*.dat "$ROOT"/tests/fuzz/seeds/*.dat "$ROOT"/tests/fuzz/regressions/*.dat ;;
    record) echo "$ROOT"/tests/games/*.sdgame "$ROOT"/tests/fuzz/records/*.sdgame "$ROOT"/tests/fuzz/records/corpus/*.sdgame "$ROOT"/tests/fuzz/regressions/*.sdgame ;;
    net) echo "$ROOT"/tests/fuzz/net/*.msg "$ROOT"/tests/fuzz/net/corpus/*.msg "$ROOT"/tests/fuzz/regressions/*.msg ;;
    *) echo "$FX"/*."$1" "$ROOT"/tests/fuzz/regressions/*."$1" ;;
  esac
}

max_len() {  # the largest input to try: the shipped files' size or a little more
  case "$1" in
    loaders) echo 16384 ;;
    record) echo 8192 ;;
    net) echo 1024 ;;
    bmp) echo 65536 ;;   # the large pictures are cut: truncated files are cases too
    ico) echo 16384 ;;
    wav) echo 65536 ;;
  esac
}

if [ -n "${SD_FUZZ_RUNS:-}" ]; then LIMIT="-runs=$SD_FUZZ_RUNS"; else LIMIT="-max_total_time=$SECONDS_TO_RUN"; fi
LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp"
export LSAN_OPTIONS

SUMMARY=""
TOTAL_FOUND=0
for t in $TARGETS; do
  corpus="$WORK/corpus/$t"
  seed="$WORK/seeds/$t"
  findings="$WORK/findings/$t"
  rm -rf "$seed"
  mkdir -p "$corpus" "$seed" "$findings"
  for f in $(seeds "$t"); do [ -f "$f" ] && cp "$f" "$seed/"; done

  echo "== fuzz_$t: $(ls "$seed" | wc -l) seeds, $(ls "$corpus" | wc -l) inputs kept from earlier runs"
  log="$WORK/$t.log"
  set +e
  (cd "$WORK" && "$FAST/fuzz/fuzz_$t" "$corpus" "$seed" $LIMIT -max_len="$(max_len "$t")" \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1)
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  edges=$(sed -n 's/^INFO: Loaded [0-9]* modules *(\([0-9]*\) inline 8-bit counters.*/\1/p' "$log" | head -n 1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*/[0-9A-Za-z]*' "$log" | tail -n 1)

  # Everything kept, and every finding, once more under ASan and UBSan.
  replay="$WORK/$t.asan.log"
  set +e
  (cd "$WORK" && "$CHECKED/fuzz/fuzz_$t" "$corpus" "$seed" -runs=0 -rss_limit_mb=4096 >"$replay" 2>&1)
  replay_status=$?
  for f in "$findings"/*; do
    [ -f "$f" ] || continue
    echo "-- $f under ASan:"
    (cd "$WORK" && "$CHECKED/fuzz/fuzz_$t" "$f" 2>&1 | grep -E 'ERROR|SUMMARY|#[0-9]+ 0x' | head -n 12)
  done
  set -e
  found=$(find "$findings" -type f | wc -l)
  [ "$replay_status" -ne 0 ] && found=$((found + 1)) && echo "-- the ASan replay of the corpus failed: $replay"
  TOTAL_FOUND=$((TOTAL_FOUND + found))
  line="fuzz_$t: ${runs:-0} runs, ${speed:-0} exec/s, $cov (of ${edges:-?} instrumented edges), findings: $found"
  echo "$line"
  SUMMARY="$SUMMARY$line
"
done

echo "---"
printf '%s' "$SUMMARY"
echo "logs and findings in $WORK"
[ "$TOTAL_FOUND" -eq 0 ]
