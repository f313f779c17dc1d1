# What the reliability scenarios share: the end-to-end suite's session, processes, checks,
# windows, options and analyser, read from its own scripts, plus the stretch of the live
# recording to measure.

reliability_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_HARNESS=$reliability_here/../e2e/harness
for part in options processes session checks marks stalls desktop analysis layout; do
  # shellcheck source=/dev/null
  source "$E2E_HARNESS/$part.sh"
done

# reliability_session ARGS...: the options, then a private session with a sound server, an
# X server and the pointer; everything started is ended on exit. Sets $started.
reliability_session() {
  e2e_options "$@"
  trap session_end EXIT
  trap 'exit 130' INT TERM
  started=$(date +%s)
  start_desktop
}

# reliability_summary NAME STARTED: the closing line, and the exit status.
reliability_summary() {
  echo "$1: $((E2E_CHECKS - E2E_FAILURES - E2E_SKIPS)) passed, $E2E_FAILURES failed, $E2E_SKIPS skipped in $(($(date +%s) - $2)) s" |
    tee -a "$E2E_ARTIFACTS/checks.txt"
  [ "$E2E_FAILURES" -eq 0 ]
}

# The program from its folder, as a user starts it; its id in $E2E_PROGRAM_PID and its main
# window in $MAIN; the scenario ends if the window never came.
start_program() {
  open_program "the main window is mapped" || exit 1
  sleep 1
}

# measure_next NAME SECONDS_FROM SECONDS_TO: measures the live recording from SECONDS_FROM
# to SECONDS_TO after now, once that stretch has been recorded.
measure_next() {
  local now from to
  now=$(recording_frames)
  from=$(awk -v n="$now" -v s="$2" 'BEGIN {printf "%d", n + s * 44100}')
  to=$(awk -v n="$now" -v s="$3" 'BEGIN {printf "%d", n + s * 44100}')
  while [ "$(recording_frames)" -lt "$to" ]; do
    alive "$E2E_RECORDER_PID" || break
    sleep 0.1
  done
  place_stalls_now
  measure "$1" "$from" "$to"
}

# changes_within WINDOW SHOT_BEFORE LEFT TOP WIDTH HEIGHT SECONDS: true once the region
# differs from SHOT_BEFORE, polled for up to SECONDS (a window that stopped answering never
# repaints).
changes_within() {
  local window=$1 before=$2 deadline i shot=$E2E_ROOT/poll.png
  deadline=$(($(date +%s) + $7))
  while [ "$(date +%s)" -le "$deadline" ]; do
    screenshot "$window" "$shot" 2>/dev/null || return 1
    [ "$(region_difference "$before" "$shot" "$3" "$4" "$5" "$6")" -gt 0 ] && return 0
    sleep 0.1
  done
  return 1
}
