#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build, then the same tests built with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizer build (ASan + UBSan) and test =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSD_SANITIZE=ON -DSD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
# The end-to-end run included: its game is the sanitizer build's, and a leak
# or fault it reports at the end makes the game's exit status, and the test, fail.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Debian package: lintian, validators, install, start from /usr/games and the desktop entry, remove =="
scripts/package-test.sh build
