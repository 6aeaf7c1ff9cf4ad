#!/usr/bin/env bash
# Cross-builds the escape-time kernels and their exact tests for arm64 and runs them
# under qemu, so the NEON and SVE columns are compared bit for bit with the plain
# definition on an amd64 machine. The rest of the program is not built for arm64.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh arm64
cmake -S . -B build-arm64 -G Ninja -DCMAKE_BUILD_TYPE=Release -DFRATTALIA_WERROR=ON \
  -DFRATTALIA_KERNELS_ONLY=ON \
  -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
  -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
  -DCMAKE_CROSSCOMPILING_EMULATOR="qemu-aarch64;-L;/usr/aarch64-linux-gnu" >/dev/null
cmake --build build-arm64 --parallel "$(nproc)"
# SVE vectors of 128, 256 and 512 bits: each length has its own targets.
for bytes in 16 32 64; do
  echo "arm64, SVE vectors of $((bytes * 8)) bits:"
  qemu-aarch64 -cpu "max,sve-default-vector-length=$bytes" -L /usr/aarch64-linux-gnu \
    build-arm64/tests/kernels_tests --gtest_brief=1
done
