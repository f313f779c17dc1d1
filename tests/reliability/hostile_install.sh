#!/usr/bin/env bash
# The whole program installed in folders users make, and with layer files that are no sound
# files at all: from every folder the main window comes up; each hostile layer ends start-up
# in the layer message box, and Return ends the program. The exact text of the message is
# checked by reliability_tests; here the time from start to the box is written down.
#
#   hostile_install.sh --program <bin>/VelnoriaLM --analyser <unused> --artifacts <dir>
set -euo pipefail
# shellcheck source=tests/reliability/harness.sh
source "$(dirname "$0")/harness.sh"
reliability_session "$@"
bin=$(dirname "$E2E_PROGRAM")
program=$(basename "$E2E_PROGRAM")

# install FOLDER: the program and its four layers copied there.
install() {
  mkdir -p "$1"
  cp "$E2E_PROGRAM" "$bin"/tester{1,2,3}.wav "$bin/ms1.wav" "$1/"
}

# starts_cleanly LABEL PROGRAM_PATH: the main window comes up, and no other window.
starts_cleanly() {
  spawn "clean-start" "$E2E_LOGS/$1.log" "$2"
  local pid=$SPAWNED window
  window=$(wait_window "$pid" "$MAIN_TITLE" 15) || true
  expect "$1: the main window comes up" "window id '$window'" test -n "$window"
  expect_equal "$1: no message box" "$(visible_windows "$pid" "$LAYER_MESSAGE_TITLE")" 0
  stop_pid "$pid"
}

# ends_in_layer_message LABEL FOLDER: the layer box, its time from start, and the end.
ends_in_layer_message() {
  local from box="" i ms ended=no
  from=$(date +%s%N)
  spawn "hostile-layer" "$E2E_LOGS/$1.log" "$2/$program"
  local pid=$SPAWNED
  for i in $(seq 1 200); do
    box=$({ xdotool search --all --onlyvisible --pid "$pid" --name "$LAYER_MESSAGE_TITLE" 2>/dev/null || true; } | head -n1)
    [ -n "$box" ] && break
    alive "$pid" || break
    sleep 0.05
  done
  ms=$((($(date +%s%N) - from) / 1000000))
  expect "$1: the layer message box comes up ($ms ms after start)" "window id '$box'" test -n "$box"
  printf '%s %s\n' "$1" "$ms" >>"$E2E_ARTIFACTS/latency.txt"
  expect_equal "$1: the main window never shows" "$(visible_windows "$pid" "$MAIN_TITLE")" 0
  [ -n "$box" ] && press "$box" Return
  wait_exit "$pid" 5 && ended=yes
  expect_equal "$1: Return ends the program" "$ended" yes
  stop_pid "$pid"
}

: >"$E2E_ARTIFACTS/latency.txt"
place=$E2E_ROOT/installs

odd="$place/it's \"Velnoria\" \$(id) \\ Ünïcødé 日本語"
install "$odd"
starts_cleanly odd-characters "$odd/$program"

deep=$place/deep
while [ ${#deep} -lt 3900 ]; do deep=$deep/$(printf 'd%.0s' $(seq 1 200)); done
install "$deep"
starts_cleanly "near-the-longest-path (${#deep} bytes)" "$deep/$program"

mkdir -p "$place/links"
ln -s "$odd" "$place/links/folder"
starts_cleanly through-a-linked-folder "$place/links/folder/$program"
ln -s "$odd/$program" "$place/links/program"
starts_cleanly through-a-linked-program "$place/links/program"

n=0
for kind in loop dev-zero dev-urandom fifo sparse-6g folder; do
  n=$((n + 1))
  folder="$place/hostile $n"
  install "$folder"
  rm "$folder/tester2.wav"
  case $kind in
    loop) ln -s "$folder/tester2.wav" "$folder/tester2.wav" ;;
    dev-zero) ln -s /dev/zero "$folder/tester2.wav" ;;
    dev-urandom) ln -s /dev/urandom "$folder/tester2.wav" ;;
    fifo) mkfifo "$folder/tester2.wav" ;;
    sparse-6g) truncate -s 6G "$folder/tester2.wav" ;;
    folder) mkdir "$folder/tester2.wav" ;;
  esac
  ends_in_layer_message "tester2.wav is a $kind" "$folder"
done

reliability_summary hostile-install "$started"
