#!/usr/bin/env bash
# Installs what is missing, builds and starts frattalia. Without a display it runs
# the program on a virtual 1024 x 768 display, saves a screenshot of the explorer with
# its start view (after the splash) to build/screenshot.png and ends it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh -DFRATTALIA_TESTS=OFF -DFRATTALIA_BENCH=OFF

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/frattalia
fi

echo "No display: running frattalia on a virtual 1024x768 display."
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  bash scripts/screenshot.sh build/src/frattalia build/screenshot.png
echo "Screenshot saved to $(pwd)/build/screenshot.png"
