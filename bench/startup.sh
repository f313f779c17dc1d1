#!/usr/bin/env bash
# Start-up and memory. Exec to the main window mapped (all four layers are loaded before it
# shows), against a bare Qt window of the same size: median of RUNS each, interleaved. Then
# the resident size while all four layers play, against the bare window's plus the bytes of
# the decoded layers.
#
#   bash bench/startup.sh [BUILD_FOLDER] [RUNS]     (defaults: build-bench, 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
runs=${2:-20}
source "$root/bench/desktop_session.sh"
bench_session_begin "$build/bench-artifacts/startup"
bare=$build/bench-bin/bare_window
timer=$build/bench-bin/time_to_map

: >"$E2E_ARTIFACTS/ours.txt"
: >"$E2E_ARTIFACTS/bare.txt"
for i in $(seq 1 "$runs"); do
  "$timer" "$PROGRAM" >>"$E2E_ARTIFACTS/ours.txt"
  "$timer" "$bare" >>"$E2E_ARTIFACTS/bare.txt"
done
ours_ms=$(median <"$E2E_ARTIFACTS/ours.txt")
bare_ms=$(median <"$E2E_ARTIFACTS/bare.txt")
ours_max=$(sort -g "$E2E_ARTIFACTS/ours.txt" | tail -n1)
bare_max=$(sort -g "$E2E_ARTIFACTS/bare.txt" | tail -n1)

# Decoded layers: float samples, one per channel per frame.
decoded=0
for f in tester1.wav tester2.wav tester3.wav ms1.wav; do
  decoded=$((decoded + $(soxi -s "$build/bin/$f") * $(soxi -c "$build/bin/$f") * 4))
done

start_program
play_all_layers
sleep 3
ours_rss=$(rss_kib "$E2E_PROGRAM_PID")
stop_pid "$E2E_PROGRAM_PID"
spawn bare "$E2E_LOGS/bare.log" "$bare"
bare_pid=$SPAWNED
wait_window "$bare_pid" '^Bare window$' 15 >/dev/null || fail_setup "the bare window did not show"
sleep 3
bare_rss=$(rss_kib "$bare_pid")
stop_pid "$bare_pid"

awk -v o="$ours_ms" -v b="$bare_ms" -v om="$ours_max" -v bm="$bare_max" -v n="$runs" \
  -v r="$ours_rss" -v br="$bare_rss" -v d="$decoded" 'BEGIN {
  printf "\nStart-up, exec to window mapped, median of %d interleaved runs\n", n
  printf "  ours:        %7.1f ms (worst %.1f)\n", o, om
  printf "  bare window: %7.1f ms (worst %.1f)\n", b, bm
  printf "  ratio ours/bare: %.3f (goal 1.25 or less)\n", o / b
  printf "Memory, resident while all four layers play\n"
  printf "  ours: %.1f MiB; bare window %.1f MiB + decoded layers %.1f MiB = %.1f MiB\n", r / 1024, br / 1024, d / 1048576, (br + d / 1024) / 1024
  printf "  ratio ours/(bare + layers): %.3f (goal 1.10 or less)\n", r / (br + d / 1024)
}'
