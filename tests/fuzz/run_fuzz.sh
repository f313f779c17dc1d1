#!/usr/bin/env bash
# Builds the WAVE decoding fuzzer in a clang build of its own (ASan + UBSan, libFuzzer
# coverage), writes the seed corpus, and fuzzes.
#
#   run_fuzz.sh BUILD_DIR SECONDS [JOBS]      fuzz for SECONDS on JOBS cores (default 1)
#   run_fuzz.sh BUILD_DIR runs=N [JOBS]       N executions on each of JOBS cores
#
# Inputs found to crash, leak, time out or run out of memory land in BUILD_DIR/fuzz/crashes;
# the run fails if there is any. The corpus grows in BUILD_DIR/fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build=$1
budget=$2
jobs=${3:-1}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELNORIA_FUZZ=ON -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target wave_decode_fuzzer wave_seed_corpus

work=$build/fuzz
rm -rf "$work/seeds" "$work/crashes" "$work/logs"
mkdir -p "$work/seeds" "$work/corpus" "$work/crashes" "$work/logs"
"$build/test-bin/wave_seed_corpus" "$work/seeds"

# A decode of the largest input allowed here needs a few tens of MB; anything near the
# malloc limit is a size claim that was believed.
options=(-max_len=65536 -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512
         -artifact_prefix="$work/crashes/" -print_final_stats=1)
case $budget in
  runs=*) options+=(-runs="${budget#runs=}") ;;
  *) options+=(-max_total_time="$budget") ;;
esac

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
pids=()
for i in $(seq 1 "$jobs"); do
  (cd "$work" && "$build/test-bin/wave_decode_fuzzer" "${options[@]}" -seed="$i" \
     corpus seeds >"logs/job-$i.log" 2>&1) &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

runs=$(cat "$work"/logs/job-*.log | awk '/stat::number_of_executed_units:/ {n += $2} END {print n + 0}')
echo "fuzz: $runs executions on $jobs job(s); corpus $(ls "$work/corpus" | wc -l) files" \
     "(seeds $(ls "$work/seeds" | wc -l)); crashes $(ls "$work/crashes" | wc -l)"
if [ "$status" -ne 0 ] || [ -n "$(ls "$work/crashes")" ]; then
  tail -n 40 "$work"/logs/job-*.log >&2
  exit 1
fi
