# shellcheck shell=bash
# Sourced by test.sh and monkey.sh: the build with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ (Debug, no benchmark), and the options under
# which anything built there runs: every finding ends the run, and leaks inside other
# libraries are suppressed as tests/sanitizer/lsan.supp lists them.

# Builds build-asan/; arguments go to the build step (for example --target frattalia).
sanitizer_build() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFRATTALIA_WERROR=ON \
    -DFRATTALIA_TESTS=ON -DFRATTALIA_BENCH=OFF -DFRATTALIA_SANITIZE=ON >/dev/null
  cmake --build build-asan --parallel "$(nproc)" "$@"
}

sanitizer_options() {
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}
