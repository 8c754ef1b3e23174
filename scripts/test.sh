#!/usr/bin/env bash
# Builds fr and runs every test. With --sanitize, does so in an AddressSanitizer and
# UndefinedBehaviorSanitizer build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

"$(dirname "$0")/install-deps.sh" test

build=build
options=(-DFR_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == --sanitize ]]; then
    build=build-sanitize
    options=(-DFR_WERROR=ON -DFR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$build" -G Ninja "${options[@]}" > /dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 600
