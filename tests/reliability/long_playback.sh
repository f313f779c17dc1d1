#!/usr/bin/env bash
# Minutes of playback of all four layers into the private null sink while every core is kept
# busy: no dropout in the recording, and a resident size that does not grow.
#
#   long_playback.sh --program <bin>/VelnoriaLM --analyser <e2e_analyse> --artifacts <dir>
# VELNORIA_PLAY_MINUTES (10 unless given); VmRSS is sampled every 10 s into rss.txt.
set -euo pipefail
# shellcheck source=tests/reliability/harness.sh
source "$(dirname "$0")/harness.sh"
reliability_session "$@"
minutes=${VELNORIA_PLAY_MINUTES:-10}

start_recorder
start_program
click_centre "$MAIN" "${CHECK1[@]}"
click_centre "$MAIN" "${CHECK2[@]}"
notice=$(wait_window "$E2E_PROGRAM_PID" "$NOTICE_TITLE" 5) || true
[ -n "$notice" ] && press "$notice" Return
for i in $(seq 1 "$(nproc)"); do spawn "cpu-load-$i" /dev/null sha256sum /dev/zero; done
click_centre "$MAIN" "${CMDPLAY[@]}"
sleep 1
from=$(recording_frames)
: >"$E2E_ARTIFACTS/rss.txt"
for i in $(seq 1 $((minutes * 6))); do
  mark "at$i"  # the marks place the machine's stalls on the recording
  awk -v t="$((i * 10))" '/^VmRSS:/ {print t, $2}' "/proc/$E2E_PROGRAM_PID/status" >>"$E2E_ARTIFACTS/rss.txt"
  sleep 10
done
to=$(recording_frames)
expect "the program is still running" "pid $E2E_PROGRAM_PID" alive "$E2E_PROGRAM_PID"
mark end
sleep 0.5  # the stall watch reports a stall once it is over
place_marks
measure long-playback "$from" "$to"
expect_above "stall-free playback measured (minutes)" "$(calc "$(value clean_seconds) / 60")" "$(calc "$minutes / 2")"
expect_equal "no dropout over $minutes minutes (frames: $(value dropout_frames))" "$(value dropouts)" 0
expect_equal "no hole of digital silence" "$(value zero_runs)" 0
# The first minute settles (caches, the server's buffers); after it the size stays put.
settled=$(awk 'NR == 6 {print $2}' "$E2E_ARTIFACTS/rss.txt")
last=$(tail -n1 "$E2E_ARTIFACTS/rss.txt" | awk '{print $2}')
expect_below "resident size, last sample against the one after a minute (KiB)" \
  "$((last - settled))" 1024
reliability_summary long-playback "$started"
