#!/usr/bin/env bash
# Checks that every include of a project header in src/ goes to a folder the
# including folder may use (src/layers.txt). Prints each offending line.
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
declare -A allowed
while IFS= read -r line; do
  [[ $line =~ ^([a-z]+):(.*)$ ]] || continue
  allowed[${BASH_REMATCH[1]}]=" ${BASH_REMATCH[1]} ${BASH_REMATCH[2]} "
done < "$src/layers.txt"
bad=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rel=${file#"$src"/}
  folder=${rel%%/*}
  [[ $rel == */* ]] || continue   # main.cpp sits above every layer
  target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"${hit#*:}")
  if [[ -z ${allowed[$folder]+x} ]]; then
    echo "unknown layer: $rel"; bad=1; continue
  fi
  if [[ ${allowed[$folder]} != *" $target "* ]]; then
    echo "upward include: $hit"; bad=1
  fi
done < <(grep -rnE '^\s*#\s*include "[a-z_]+/' "$src" --include='*.h' --include='*.cpp' | sed -E 's/^([^:]+):[0-9]+:/\1:/')
if grep -rln 'SDL' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/platform/" | grep -q .; then
  echo "SDL outside platform:"; grep -rln 'SDL' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/platform/"; bad=1
fi
[[ $bad == 0 ]] && echo "layering ok"
exit $bad
