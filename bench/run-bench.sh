#!/usr/bin/env bash
# Times the engine against grep, ripgrep, sed, perl, sd and the floor program in one run and
# prints medians and ratios. Data goes under $BENCH_DIR (default /tmp/fr-bench), never into
# the repository.
#
#   bench/run-bench.sh [BUILD_DIR]      BUILD_DIR defaults to build-bench (a Release build)
#
# Environment: REPS (default 5), FILES (2000), FILE_BYTES (65536), BIG_MB (200),
# LIST_FILES (100000).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-$root/build-bench}
reps=${REPS:-5}
files=${FILES:-2000}
file_bytes=${FILE_BYTES:-65536}
big_mb=${BIG_MB:-200}
list_files=${LIST_FILES:-100000}
data=${BENCH_DIR:-/tmp/fr-bench}
export LC_ALL=C

"$root/scripts/install-deps.sh" bench
if [[ ! -x $build/bench/fr_bench_run ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFR_BUILD_SHELL=OFF >/dev/null
fi
cmake --build "$build" --target fr_bench_corpus fr_bench_run fr_bench_floor >/dev/null
corpus_tool=$build/bench/fr_bench_corpus
fr=$build/bench/fr_bench_run
floor=$build/bench/fr_bench_floor

corpus=$data/corpus
if [[ ! -d $corpus ]]; then
    echo "making $files files of $file_bytes bytes in $corpus"
    "$corpus_tool" text "$corpus" "$files" "$file_bytes"
fi

# Milliseconds that "$@" takes, output discarded.
elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

declare -A times
time_tool() { # name command...
    local name=$1
    shift
    times[$name]+=" $(elapsed_ms "$@")"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

report() { # title subject others...
    local title=$1 subject=$2
    shift 2
    local subject_median
    subject_median=$(echo "${times[$subject]}" | median)
    echo "$title: median of $reps runs"
    printf '  %-10s %8s ms\n' "$subject" "$subject_median"
    for name in "$@"; do
        local m
        m=$(echo "${times[$name]}" | median)
        printf '  %-10s %8s ms   %s / %s = %s\n' "$name" "$m" "$subject" "$name" "$(ratio "$subject_median" "$m")"
    done
}

# Every spelling back to "needle" (an interrupted run may have left the other one), and the
# first rewrite by fr, which expands tabs, out of the timed runs.
"$fr" "$corpus" "*.txt" thread needle >/dev/null || true
"$fr" "$corpus" "*.txt" needle thread >/dev/null
"$fr" "$corpus" "*.txt" thread needle >/dev/null

echo "== search only, case ignored, over $(du -sm "$corpus" | cut -f1) MB"
"$fr" "$corpus" "*.txt" needle "" i
grep -c -i -r needle "$corpus" >/dev/null || true
rg -c -i needle "$corpus" >/dev/null || true
for ((r = 0; r < reps; r++)); do
    time_tool fr "$fr" "$corpus" "*.txt" needle "" i
    time_tool grep grep -c -i -r needle "$corpus"
    time_tool rg rg -c -i needle "$corpus"
done
report "search only" fr grep rg

# Each replace turns one spelling into the other, so that every run does the same work.
word=needle
other=thread
toggle() { local t=$word; word=$other; other=$t; }
files_list=("$corpus"/*.txt)
replace_with() { # name
    sync # what the previous tool left unwritten is not charged to this one
    case $1 in
    fr) time_tool fr "$fr" "$corpus" "*.txt" "$word" "$other" ;;
    floor) time_tool floor "$floor" "$word" "$other" "${files_list[@]}" ;;
    floor_dirsync) time_tool floor_dirsync "$floor" --dirsync "$word" "$other" "${files_list[@]}" ;;
    sed) time_tool sed sed -i "s/$word/$other/g" "${files_list[@]}" ;;
    perl) time_tool perl perl -pi -e "s/$word/$other/g" "${files_list[@]}" ;;
    sd) time_tool sd sd "$word" "$other" "${files_list[@]}" ;;
    esac
    toggle
}

times=()
echo "== replace, case respected"
for ((r = 0; r < reps; r++)); do
    for tool in fr floor floor_dirsync sed perl sd; do
        replace_with $tool
    done
done
[[ $word == needle ]] || { "$fr" "$corpus" "*.txt" "$word" "$other" >/dev/null; toggle; }
report "replace" fr floor floor_dirsync sed perl sd

echo "== peak memory over one file of $big_mb MB"
big=$data/big
if [[ ! -d $big ]]; then
    "$corpus_tool" text "$big" 1 $((big_mb * 1024 * 1024))
fi
big_bytes=$(stat -c %s "$big"/*.txt)
peak_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
replace_kb=$(peak_kb "$fr" "$big" "*.txt" needle thread)
"$fr" "$big" "*.txt" thread needle >/dev/null
search_kb=$(peak_kb "$fr" "$big" "*.txt" needle "" i)
limit_kb=$(((big_bytes * 3 / 2) / 1024 + 20 * 1024))
echo "  file $((big_bytes / 1024)) KiB; peak replace $replace_kb KiB, search $search_kb KiB; goal <= $limit_kb KiB"

times=()
echo "== file list of $list_files names, mask *.TXT"
names=$data/names
if [[ ! -d $names ]]; then
    "$corpus_tool" names "$names" "$list_files"
fi
find_sort() { find "$names" -maxdepth 1 -type f -iname '*.TXT' | LC_ALL=C sort; }
echo "  fr lists $("$fr" --list "$names" "*.TXT"), find|sort $(find_sort | wc -l)"
for ((r = 0; r < reps; r++)); do
    time_tool list "$fr" --list "$names" "*.TXT"
    time_tool find_sort find_sort
done
report "file list" list find_sort
