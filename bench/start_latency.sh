#!/usr/bin/env bash
# Latency: from the click on "&Start" (the button's release) to the first sample at the sink,
# over STARTS starts each followed by a Pause, recorded from the null sink's monitor; every
# playing stretch is checked for dropouts by the end-to-end analyser.
#
#   bash bench/start_latency.sh [BUILD_FOLDER] [STARTS] [SECONDS_PAUSED]
#   (defaults: build-bench, 20, 1; more than 10 s paused lets the output be released)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
starts=${2:-20}
paused=${3:-1}
E2E_ANALYSER=$build/tests/e2e/e2e_analyse
source "$root/bench/desktop_session.sh"
bench_session_begin "$build/bench-artifacts/start-latency"
mkdir -p "$E2E_ARTIFACTS/analysis"

start_recorder
start_program
sleep 1
for i in $(seq 1 "$starts"); do
  click_centre "$MAIN" "${CMDPLAY[@]}" "start$i"
  sleep 1.5
  click_centre "$MAIN" "${CMDPLAY[@]}" "pause$i"
  sleep "$paused"
done
mark end
stop_recorder
place_marks
stop_pid "$E2E_PROGRAM_PID"

: >"$E2E_ARTIFACTS/latency.txt"
dropouts=0
holes=0
stalled_starts=0
left_out=0
for i in $(seq 1 "$starts"); do
  eval "released=\$MARK_start$i"
  measure "start$i-onset" "$(at "start${i}_down" -0.2)" $((released + 88200))
  onset=$(value first_sound)
  [ "$onset" -ge 0 ] || fail_setup "start $i: no sound"
  # A start with a machine stall between the click and the sound says nothing of the program.
  if [ "$(stalled_ms "$released" "$onset")" -gt 0 ]; then
    stalled_starts=$((stalled_starts + 1))
  else
    echo "$(calc "($onset - $released) / 44.1")" >>"$E2E_ARTIFACTS/latency.txt"
  fi
  measure "start$i-playing" $((onset + 13230)) "$(at "pause$i" -0.2)"
  [ "$(value tone_only_signals | tr -cd D)" = D ] || fail_setup "start $i: the beats are not alone in the stretch"
  dropouts=$((dropouts + $(value dropouts)))
  holes=$((holes + $(value zero_runs)))
  left_out=$(calc "$left_out + $(value left_out_seconds)")
done

sort -g "$E2E_ARTIFACTS/latency.txt" | awk -v n="$starts" -v d="$dropouts" -v z="$holes" -v p="$paused" \
  -v s="$stalled_starts" -v l="$left_out" -v m="$(grep -vc '^#' "$E2E_STALLS")" '{v[NR] = $1}
  END {
    printf "\nClick on Start to first sample at the sink, %d starts, %s s paused before each\n", n, p
    printf "  median %.1f ms, best %.1f ms, worst %.1f ms over %d starts (goal: median under 60 ms)\n", v[int((NR + 1) / 2)], v[1], v[NR], NR
    printf "  dropouts %d, holes of digital silence %d (goal: none)\n", d, z
    printf "  machine stalls %d: %d starts with one between click and sound left out, %.1f s of playing left out\n", m, s, l
  }'
