#!/usr/bin/env bash
# Draws the main pictures of every screen on a virtual 1024 x 768 display and saves
# them as PNGs in docs/screenshots/, the README's gallery. BUILD_DIR picks the build
# folder (build/ by default); BUILD_TYPE its type when it is configured here.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
build=${BUILD_DIR:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" >/dev/null
fi
cmake --build "$build" --target frattalia_screenshots --parallel "$(nproc)"

mkdir -p docs/screenshots
rm -f docs/screenshots/*.png
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  "$build/tools/frattalia_screenshots" docs/screenshots
