#!/usr/bin/env bash
# The sound server killed during playback and started again. Meanwhile the window goes on
# answering clicks, its caption and status stay as they were, and nothing sounds; once the
# server is back, the next Pause and Start play again, from the layers' beginnings.
#
#   lost_sound_server.sh --program <bin>/VelnoriaLM --analyser <e2e_analyse> --artifacts <dir>
set -euo pipefail
# shellcheck source=tests/reliability/harness.sh
source "$(dirname "$0")/harness.sh"
reliability_session "$@"

# expect_sound NAME LABEL: the beats, each on its own side, over the next two seconds.
expect_sound() {
  measure_next "$1" 0.5 2.5
  expect_equal "$2: the beats sound" "$(value all_silent)" 0
  expect_near "$2: left carries tester1's tone (Hz)" "$(value L.strongest_hz)" "$E2E_LEFT_HZ" 0.5
  expect_near "$2: right carries tester2's tone (Hz)" "$(value R.strongest_hz)" "$E2E_RIGHT_HZ" 0.5
  expect_equal "$2: no dropout" "$(value dropouts)" 0
}

expect_silence() {
  measure_next "$1" 0.5 1.5
  expect_equal "$2: nothing sounds" "$(value all_silent)" 1
}

whole_window_difference() { region_difference "$1" "$2" 0 0 634 402; }

start_recorder
start_program

click_centre "$MAIN" "${CMDPLAY[@]}"
expect_sound 1-before-loss "before the loss"
screenshot "$MAIN" "$E2E_SHOTS/01-playing.png"

kill -KILL "$E2E_PULSE_PID"
wait_exit "$E2E_PULSE_PID" 5 || true
sleep 2
expect "server gone: the program is still running" "pid $E2E_PROGRAM_PID" alive "$E2E_PROGRAM_PID"
screenshot "$MAIN" "$E2E_SHOTS/02-lost.png"
expect_equal "server gone: caption and status as they were (pixels changed)" \
  "$(whole_window_difference "$E2E_SHOTS/01-playing.png" "$E2E_SHOTS/02-lost.png")" 0

click_centre "$MAIN" "${CHECK1[@]}"
expect "server gone: ticking the mask box repaints it" "" \
  changes_within "$MAIN" "$E2E_SHOTS/02-lost.png" "${CHECK1[@]}" 5
screenshot "$MAIN" "$E2E_SHOTS/03-mask-ticked.png"
click_centre "$MAIN" "${CHECK1[@]}"
expect "server gone: unticking it repaints it again" "" \
  changes_within "$MAIN" "$E2E_SHOTS/03-mask-ticked.png" "${CHECK1[@]}" 5

screenshot "$MAIN" "$E2E_SHOTS/04-before-pause.png"
click_centre "$MAIN" "${CMDPLAY[@]}"
expect "server gone: Pause changes the caption" "" \
  changes_within "$MAIN" "$E2E_SHOTS/04-before-pause.png" "${CMDPLAY[@]}" 5
screenshot "$MAIN" "$E2E_SHOTS/05-paused.png"
click_centre "$MAIN" "${CMDPLAY[@]}"
expect "server gone: Start changes it back" "" \
  changes_within "$MAIN" "$E2E_SHOTS/05-paused.png" "${CMDPLAY[@]}" 5
sleep 0.5
screenshot "$MAIN" "$E2E_SHOTS/06-started-without-server.png"
expect_equal "server gone: Start shows the playing caption and status again (pixels changed)" \
  "$(whole_window_difference "$E2E_SHOTS/01-playing.png" "$E2E_SHOTS/06-started-without-server.png")" 0

start_sound_server
start_recorder
expect "server back: the program is still running" "pid $E2E_PROGRAM_PID" alive "$E2E_PROGRAM_PID"
expect_silence 7-back-before-start "server back, before the next Start"

click_centre "$MAIN" "${CMDPLAY[@]}"
sleep 0.5
click_centre "$MAIN" "${CMDPLAY[@]}"
expect_sound 8-back-after-start "server back, after Pause and Start"

click_centre "$MAIN" "${CMDPLAY[@]}"
expect_silence 9-paused "server back, after Pause"
click_centre "$MAIN" "${CMDPLAY[@]}"
expect_sound 10-started-again "server back, after another Start"
expect "the program is still running at the end" "pid $E2E_PROGRAM_PID" alive "$E2E_PROGRAM_PID"

reliability_summary lost-sound-server "$started"
