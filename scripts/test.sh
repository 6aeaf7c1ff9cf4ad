#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless;
# then the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, where
# any finding fails, and a short run of each fuzz target where clang is installed
# (FUZZ_SECONDS each, 5 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh -DFRATTALIA_WERROR=ON -DFRATTALIA_TESTS=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
./scripts/test-arm64.sh  # the kernels' exact tests, cross-built for arm64, under qemu

# The sanitizer build: Debug, tests only (no benchmark), in its own folder.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFRATTALIA_WERROR=ON \
  -DFRATTALIA_TESTS=ON -DFRATTALIA_BENCH=OFF -DFRATTALIA_SANITIZE=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)"
(
  cd build-asan
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
  export LSAN_OPTIONS="suppressions=$PWD/../tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
)

if command -v clang++ >/dev/null; then
  ./scripts/fuzz.sh "${FUZZ_SECONDS:-5}"
else
  echo "clang++ is not installed: the fuzz targets were not run." >&2
fi
