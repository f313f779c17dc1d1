# Sourced by the desktop benchmarks: a private PulseAudio with a null sink and a private Xvfb,
# as the end-to-end suite sets them up (its harness is reused as it stands), plus CPU and
# memory readings from /proc.
#
# Needs: $root (the source tree) and $build (a build folder) set by the caller.

for part in processes session checks marks stalls desktop analysis layout; do
  # shellcheck source=/dev/null
  source "$root/tests/e2e/harness/$part.sh"
done

PROGRAM=$build/bin/VelnoriaLM

# bench_session_begin ARTIFACTS: a fresh sound server and X server; all ended on exit.
bench_session_begin() {
  E2E_ARTIFACTS=$1
  E2E_LOGS=$E2E_ARTIFACTS/logs
  rm -rf "$E2E_ARTIFACTS"
  mkdir -p "$E2E_LOGS"
  : >"$E2E_ARTIFACTS/checks.txt"
  : >"$E2E_ARTIFACTS/marks.txt"
  trap session_end EXIT
  trap 'exit 130' INT TERM
  start_desktop
}

# start_program: the program running, its main window's id in $MAIN.
start_program() {
  spawn program "$E2E_LOGS/program.log" "$PROGRAM"
  E2E_PROGRAM_PID=$SPAWNED
  MAIN=$(wait_window "$E2E_PROGRAM_PID" "$MAIN_TITLE" 15) || fail_setup "the program showed no window"
}

# play_all_layers: ticks both boxes (closing the music notice), then presses Start.
play_all_layers() {
  click_centre "$MAIN" "${CHECK1[@]}"
  click_centre "$MAIN" "${CHECK2[@]}"
  local notice
  notice=$(wait_window "$E2E_PROGRAM_PID" "$NOTICE_TITLE" 5) || fail_setup "no music notice"
  press "$notice" Return
  sleep 0.5
  click_centre "$MAIN" "${CMDPLAY[@]}"
}

# descendants PID: PID and every process below it.
descendants() {
  local child
  echo "$1"
  for child in $(pgrep -P "$1" || true); do descendants "$child"; done
}

# cpu_ticks PID...: user plus system clock ticks the processes have used so far.
cpu_ticks() {
  local pid total=0 fields
  for pid in "$@"; do
    fields=$(sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null) || continue
    total=$((total + $(echo "$fields" | awk '{print $12 + $13}')))
  done
  echo "$total"
}

# cpu_percent SECONDS PID...: their CPU over the next SECONDS as a percentage of one core.
cpu_percent() {
  local seconds=$1 before after
  shift
  before=$(cpu_ticks "$@")
  sleep "$seconds"
  after=$(cpu_ticks "$@")
  awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN {printf "%.3f\n", 100 * d / hz / s}'
}

# cpu_percent_pair SECONDS PID_A PID_B: both readings over the same SECONDS, "A B".
cpu_percent_pair() {
  local seconds=$1 a0 b0 a1 b1 hz
  hz=$(getconf CLK_TCK)
  a0=$(cpu_ticks "$2"); b0=$(cpu_ticks "$3")
  sleep "$seconds"
  a1=$(cpu_ticks "$2"); b1=$(cpu_ticks "$3")
  awk -v a=$((a1 - a0)) -v b=$((b1 - b0)) -v hz="$hz" -v s="$seconds" \
    'BEGIN {printf "%.3f %.3f\n", 100 * a / hz / s, 100 * b / hz / s}'
}

# rss_kib PID: resident size now.
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# median: the middle of the numbers on standard input (lower middle for an even count).
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
