#!/usr/bin/env bash
# Measures what the window costs a run: the run's benchmark corpus through ProcessFiles with
# the real window services against the run without a window, offscreen and under Xvfb.
# Goal: window / headless <= 1.10.
#
#   bench/window/window-cost.sh [BUILD_DIR]   BUILD_DIR defaults to build-bench-window (Release)
#
# Environment: REPS (default 5), FILES (500), FILE_BYTES (65536), BENCH_DIR (/tmp/fr-bench).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=${1:-$root/build-bench-window}
reps=${REPS:-5}
files=${FILES:-500}
file_bytes=${FILE_BYTES:-65536}
corpus=${BENCH_DIR:-/tmp/fr-bench}/window-corpus-$files-$file_bytes
export LC_ALL=C

if [[ ! -x $build/bench/window/fr_bench_window ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target fr_bench_corpus fr_bench_window >/dev/null
if [[ ! -d $corpus ]]; then
    "$build/bench/fr_bench_corpus" text "$corpus" "$files" "$file_bytes"
fi
tool=$build/bench/window/fr_bench_window

for mode in "search only, case ignored:needle::i" "replace, case respected:needle:thread:"; do
    IFS=: read -r title search replace case <<<"$mode"
    echo "== $title, offscreen"
    QT_QPA_PLATFORM=offscreen "$tool" "$corpus" "*.txt" "$search" "$replace" $case "$reps" 2>/dev/null
    if command -v xvfb-run >/dev/null; then
        echo "== $title, Xvfb"
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
            "$tool" "$corpus" "*.txt" "$search" "$replace" $case "$reps" 2>/dev/null
    fi
done
