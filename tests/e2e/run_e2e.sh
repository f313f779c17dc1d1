#!/usr/bin/env bash
# The end-to-end acceptance suite: the real program on a private Xvfb and a private
# PulseAudio null sink, driven by real clicks and keys, its sound recorded from the sink's
# monitor and analysed by e2e_analyse; screenshots for what is only seen.
#
#   run_e2e.sh --program <bin>/VelnoriaLM --analyser <e2e_analyse> --artifacts <dir>
#
# VELNORIA_E2E_CPU_LOAD=N keeps N cores busy for the whole run. Artefacts: checks.txt,
# marks.txt, latency.txt, stalls.txt and stall-frames.txt (the machine standing still, see
# harness/stalls.sh), analysis/ (key=value and per-block CSV per stretch), screenshots/,
# logs/, recording.wav.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
for helper in options processes session checks marks stalls desktop analysis layout playback startup_failures; do
  # shellcheck source=/dev/null
  source "$here/harness/$helper.sh"
done

e2e_options "$@"
: "${E2E_ANALYSER:?--analyser missing}"
: >"$E2E_ARTIFACTS/latency.txt"

trap session_end EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
for f in tester1.wav tester2.wav tester3.wav ms1.wav; do
  [ -f "$(dirname "$E2E_PROGRAM")/$f" ] || fail_setup "$f is missing beside the program"
done
start_desktop
for i in $(seq 1 "${VELNORIA_E2E_CPU_LOAD:-0}"); do
  spawn "cpu-load-$i" /dev/null sha256sum /dev/zero
done
start_recorder

playback_actions || true
stop_recorder
sleep 0.5  # the stall watch reports a stall once it is over
place_marks
stop_pid "${E2E_PROGRAM_PID:-}"
startup_failure_checks
pointer_stop
stop_all
sox -q -t raw -r 44100 -e signed -b 16 -c 2 "$E2E_ARTIFACTS/recording.raw" "$E2E_ARTIFACTS/recording.wav" &&
  rm "$E2E_ARTIFACTS/recording.raw"
E2E_RECORDING=$E2E_ARTIFACTS/recording.wav
if [ -n "${MARK_end:-}" ]; then
  playback_checks
else
  record FAIL "playback: the run stopped before its last step (see logs/)"
fi

echo "e2e: $((E2E_CHECKS - E2E_FAILURES - E2E_SKIPS)) of $E2E_CHECKS checks passed, $E2E_SKIPS skipped for" \
  "$(grep -vc '^#' "$E2E_STALLS") machine stalls in $(($(date +%s) - started)) s;" \
  "latency (ms): $(awk '{printf "%s=%s ", $1, $2}' "$E2E_ARTIFACTS/latency.txt")" | tee -a "$E2E_ARTIFACTS/checks.txt"
[ "$E2E_FAILURES" -eq 0 ]
