#!/usr/bin/env bash
# Checks that every include of a project header in src/ goes to a folder the
# including folder may use (src/layers.txt). The platform's rooms
# (platform/draw, platform/window, ...) are folders of their own: a file
# belongs to the longest folder of the table its path starts with, and so does
# an include. Prints each offending line.
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
declare -A allowed
while IFS= read -r line; do
  [[ $line =~ ^([a-z/]+):(.*)$ ]] || continue
  allowed[${BASH_REMATCH[1]}]=" ${BASH_REMATCH[1]} ${BASH_REMATCH[2]} "
done < "$src/layers.txt"
# layer_of <path below src/>: the folder of the table the path lies in.
layer_of() {
  local p=$1 best=""
  for f in "${!allowed[@]}"; do
    if [[ $p == "$f"/* && ${#f} -gt ${#best} ]]; then best=$f; fi
  done
  echo "$best"
}
bad=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rel=${file#"$src"/}
  [[ $rel == */* ]] || continue   # main.cpp sits above every layer
  folder=$(layer_of "$rel")
  if [[ -z $folder ]]; then
    echo "unknown layer: $rel"; bad=1; continue
  fi
  included=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${hit#*:}")
  target=$(layer_of "$included")
  if [[ -z $target || ${allowed[$folder]} != *" $target "* ]]; then
    echo "upward include: $hit"; bad=1
  fi
done < <(grep -rnE '^\s*#\s*include "[a-z_]+/' "$src" --include='*.h' --include='*.cpp' | sed -E 's/^([^:]+):[0-9]+:/\1:/')
if grep -rln 'SDL' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/platform/" | grep -q .; then
  echo "SDL outside platform:"; grep -rln 'SDL' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/platform/"; bad=1
fi
[[ $bad == 0 ]] && echo "layering ok"
exit $bad
