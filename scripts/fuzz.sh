#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FR_FUZZ_SECONDS, 60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/install-deps.sh" test

seconds=${FR_FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DFR_FUZZ=ON -DFR_BUILD_SHELL=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build-fuzz
shopt -s nullglob
for fuzzer in build-fuzz/tests/fuzz/*/fuzz_*; do
    [[ -x "$fuzzer" ]] || continue
    corpus=$(mktemp -d)
    echo "fuzzing $(basename "$fuzzer") for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
