#!/usr/bin/env bash
# Installs every Debian package Sternenduell needs to build, test and run.
# Idempotent and quiet when everything is there; uses sudo when not run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config make
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libsdl2-mixer-dev
  # Network play (reliable UDP); the game links libenet7.
  libenet-dev
  fonts-liberation fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick
  # SDL's own message box needs the X core fonts: with them the end-to-end
  # runs see the system's box (and its process) as well as the game's panel.
  xfonts-base
  # The package test: dpkg-shlibdeps computes the package's dependencies,
  # lintian judges the package, the validators its desktop entry and AppStream
  # data, man-db shows the installed manual page.
  dpkg-dev lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
