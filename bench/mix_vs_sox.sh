#!/usr/bin/env bash
# Mixing: one hour of the four-layer mix rendered in memory by our mixer, against sox mixing
# the same four files with the same pans and gains, each looped to an hour, to a null output.
#
#   bash bench/mix_vs_sox.sh [BUILD_FOLDER]      (default: build-bench, a Release build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
layers=$build/bin
work=$(mktemp -d /tmp/velnoria-mix.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Ours: Google Benchmark's CPU time of an hour, and of one output block.
"$build/bench-bin/directsound_mixer_bench" --layers="$layers" --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true | tee "$work/ours.txt"
ours_ms=$(awk '/^HourOfFourLayers.*_median/ {print $4; exit}' "$work/ours.txt")
ours_rate=$(awk -v ms="$ours_ms" 'BEGIN {printf "%.0f", 44100 * 3600 / (ms / 1000)}')
block_us=$(awk '/^OneOutputBlock.*_median/ {print $4; exit}' "$work/ours.txt")
block_frames=$(awk '/^OneOutputBlock.*_median/ {for (i = 1; i <= NF; i++) if (sub(/^block_frames=/, "", $i)) print $i; exit}' "$work/ours.txt")

# sox: every file looped past an hour in its own pipe, merged, remixed, cut to the hour. The
# beats carry the slider's starting -35 dB; pans are hard left, hard right and centre.
beat_gain=$(awk 'BEGIN {printf "%.7f", 10 ^ (-3500 / 2000)}')
loop() { echo "|sox $layers/$1 -p repeat $(awk -v s="$(soxi -D "$layers/$1")" 'BEGIN {printf "%d", 3600 / s + 1}')"; }
sox_once() {
  local TIMEFORMAT='%R %U %S'
  { time sox -V1 -D -M "$(loop tester1.wav)" "$(loop tester2.wav)" "$(loop tester3.wav)" "$(loop ms1.wav)" \
      -n remix -m "1v$beat_gain,3,4" "2v$beat_gain,3,4" trim 0 3600; } 2>&1
}
for i in 1 2 3; do sox_once; done | tee "$work/sox.txt" |
  awk '{printf "sox run: %.2f s wall, %.2f s CPU (all its processes)\n", $1, $2 + $3}'
sox_cpu_s=$(awk '{print $2 + $3}' "$work/sox.txt" | sort -n | sed -n 2p)
sox_wall_s=$(awk '{print $1}' "$work/sox.txt" | sort -n | sed -n 2p)

awk -v o="$ours_ms" -v r="$ours_rate" -v b="$block_us" -v f="$block_frames" -v s="$sox_cpu_s" -v w="$sox_wall_s" 'BEGIN {
  printf "\nMixing, one hour of the four layers (median of 3, CPU time of one core)\n"
  printf "  ours: %.1f ms per hour, %.3g frames/s per core, %.1f us per %d-frame output block\n", o, r, b, f
  printf "  sox:  %.2f s CPU per hour (%.2f s wall)\n", s, w
  printf "  ratio ours/sox: %.4f (goal 0.1 or less)\n", o / 1000 / s
}'
