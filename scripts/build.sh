#!/usr/bin/env bash
# Configures and builds frattalia in build/ (Release unless BUILD_TYPE says otherwise).
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "$@" >/dev/null
cmake --build build --parallel "$(nproc)"
