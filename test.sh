#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite headless.
#   ./test.sh              the normal build, in build/
#   ./test.sh --sanitize   a build with AddressSanitizer and UndefinedBehaviorSanitizer, in
#                          build-sanitize/; any sanitizer report fails its test, and the
#                          random-click test makes 20,000 actions
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
if [ "${1:-}" = --sanitize ]; then
    dir=build-sanitize
    [ -f $dir/CMakeCache.txt ] ||
        cmake -S . -B $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLEBIKA_SANITIZE=ON >/dev/null
    cmake --build $dir --parallel "$(nproc)" -- --quiet >/dev/null
    # Leak checking stays on: Qt's own allocations at exit are still reachable and not reported.
    export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export FLEBIKA_RANDOM_ACTIONS=${FLEBIKA_RANDOM_ACTIONS:-20000}
else
    dir=build
    ./build.sh
fi
cd $dir
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
