#!/usr/bin/env bash
# The program playing: CPU of the whole process over 60 s of all four layers into a private
# null sink, against sox's `play` of the same mix into the same sink with the same 60 ms
# latency, each with the sound server's CPU over the same span; then the program's CPU over
# 60 s after a Pause.
#
#   bash bench/playing_cpu.sh [BUILD_FOLDER] [SECONDS]     (defaults: build-bench, 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
span=${2:-60}
source "$root/bench/desktop_session.sh"
bench_session_begin "$build/bench-artifacts/playing-cpu"

# sox's inputs: each layer looped past the span beforehand, so sox plays four plain files.
looped=$E2E_ARTIFACTS/looped
mkdir -p "$looped"
for f in tester1.wav tester2.wav tester3.wav ms1.wav; do
  sox "$build/bin/$f" "$looped/$f" repeat "$(awk -v s="$(soxi -D "$build/bin/$f")" -v t="$span" 'BEGIN {printf "%d", (t + 10) / s + 1}')"
done

start_program
play_all_layers
sleep 3
streams=$(pactl list short sink-inputs | wc -l)
[ "$streams" -eq 1 ] || fail_setup "expected the program's one stream on the sink, found $streams"
read -r ours ours_server < <(cpu_percent_pair "$span" "$E2E_PROGRAM_PID" "$E2E_PULSE_PID")
ours_threads=$(ls "/proc/$E2E_PROGRAM_PID/task" | wc -l)

click_centre "$MAIN" "${CMDPLAY[@]}"
sleep 1
read -r paused paused_server < <(cpu_percent_pair "$span" "$E2E_PROGRAM_PID" "$E2E_PULSE_PID")
stop_pid "$E2E_PROGRAM_PID"

beat_gain=$(awk 'BEGIN {printf "%.7f", 10 ^ (-3500 / 2000)}')
spawn play "$E2E_LOGS/play.log" env PULSE_LATENCY_MSEC=60 AUDIODRIVER=pulseaudio \
  play -q -V1 -D -M "$looped/tester1.wav" "$looped/tester2.wav" "$looped/tester3.wav" "$looped/ms1.wav" \
  remix -m "1v$beat_gain,3,4" "2v$beat_gain,3,4"
play_pid=$SPAWNED
sleep 3
streams=$(pactl list short sink-inputs | wc -l)
[ "$streams" -eq 1 ] || fail_setup "expected play's one stream on the sink, found $streams"
sox_pid=$(pgrep -P "$play_pid" -x play || echo "$play_pid")
read -r theirs theirs_server < <(cpu_percent_pair "$span" "$sox_pid" "$E2E_PULSE_PID")
stop_pid "$play_pid"

awk -v o="$ours" -v os="$ours_server" -v t="$theirs" -v ts="$theirs_server" -v p="$paused" \
  -v ps="$paused_server" -v s="$span" -v n="$ours_threads" 'BEGIN {
  printf "\nPlaying all four layers into a null sink, CPU over %d s (%% of one core)\n", s
  printf "  ours:        %6.3f %%   sound server for our stream: %6.3f %%   (%d threads)\n", o, os, n
  printf "  sox play:    %6.3f %%   sound server for its stream: %6.3f %%\n", t, ts
  printf "  ratio ours/sox: %.3f (goal 0.5 or less)\n", o / t
  printf "Stopped after a Pause, over %d s\n", s
  printf "  ours:        %6.3f %%   sound server meanwhile:      %6.3f %%   (goal below 0.05 %%)\n", p, ps
}'
