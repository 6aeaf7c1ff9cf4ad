#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, runs every test headless,
# the kernels' exact tests cross-built for arm64 under qemu (test-arm64.sh), and walks
# the real program on a virtual display (smoke.sh); then the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any finding fails, a monkey on
# that build of the program (monkey.sh), and a short run of each fuzz target where clang
# is installed (FUZZ_SECONDS each, 5 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh -DFRATTALIA_WERROR=ON -DFRATTALIA_TESTS=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
./scripts/test-arm64.sh  # the kernels' exact tests, cross-built for arm64, under qemu
./scripts/smoke.sh

# The sanitizer build and its tests, then the smoke walk's counterpart there: the
# monkey, for MONKEY_SECONDS (60 by default) with a new seed each run.
# shellcheck source=scripts/sanitizer.sh
source scripts/sanitizer.sh
sanitizer_build --target all
(
  sanitizer_options
  cd build-asan
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
)
./scripts/monkey.sh "${MONKEY_SECONDS:-60}"

if command -v clang++ >/dev/null; then
  ./scripts/fuzz.sh "${FUZZ_SECONDS:-5}"
else
  echo "clang++ is not installed: the fuzz targets were not run." >&2
fi
