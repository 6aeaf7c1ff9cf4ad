#!/usr/bin/env bash
# Draws the main pictures of every screen on a virtual display and saves them as PNGs.
#   ./scripts/screenshots.sh                   1024 x 768, into docs/screenshots/ (the gallery)
#   ./scripts/screenshots.sh 1920x1080 [NAME...]   another size, into docs/screenshots/1920x1080/;
#                                              with names (02-esploratore), only those pictures
# The screens scale themselves to the display as the program does. BUILD_DIR picks the
# build folder (build/ by default); BUILD_TYPE its type when it is configured here.
set -euo pipefail
cd "$(dirname "$0")/.."

size=${1:-1024x768}
[ $# -gt 0 ] && shift
if [[ ! $size =~ ^[0-9]+x[0-9]+$ ]]; then
  echo "usage: $0 [WIDTHxHEIGHT [NAME...]]" >&2
  exit 2
fi
target=docs/screenshots
[ "$size" = 1024x768 ] || target=docs/screenshots/$size

./scripts/install-deps.sh
build=${BUILD_DIR:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" >/dev/null
fi
cmake --build "$build" --target frattalia_screenshots --parallel "$(nproc)"

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
xvfb-run --auto-servernum --server-args="-screen 0 ${size}x24" \
  "$build/tools/frattalia_screenshots" "$shots" >/dev/null
mkdir -p "$target"
rm -f "$target"/*.png
if [ $# -eq 0 ]; then
  cp "$shots"/*.png "$target"/
else
  for name in "$@"; do
    cp "$shots/$name.png" "$target"/
  done
fi
ls "$target"/*.png
