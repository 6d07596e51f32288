#!/usr/bin/env bash
# Installs what is missing, builds Sternenduell and starts it.
# Extra arguments go to the game, e.g. ./run.sh -NOSCREEN -NOSOUND
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target sternenduell sd_assets
exec build/out/sternenduell "$@"
