#!/usr/bin/env bash
# A whole session of clicks under strace, from a folder whose name is full of shell
# characters: the web link and the program's folder never reach a shell (every program
# started is started by name with its arguments), and the program itself writes no file.
# What the toolkit writes (caches under HOME) is listed in the artefacts, not failed on.
#
#   session_trace.sh --program <bin>/VelnoriaLM --analyser <unused> --artifacts <dir>
set -euo pipefail
# shellcheck source=tests/reliability/harness.sh
source "$(dirname "$0")/harness.sh"
reliability_session "$@"
command -v strace >/dev/null || fail_setup "strace is not installed"

bin=$(dirname "$E2E_PROGRAM")
folder="$E2E_ROOT/installs/\$(touch pwned); \`id\` & it's"
mkdir -p "$folder"
cp "$E2E_PROGRAM" "$bin"/tester{1,2,3}.wav "$bin/ms1.wav" "$folder/"
trace=$E2E_ARTIFACTS/trace.txt
spawn traced "$E2E_LOGS/program.log" env PATH="$E2E_ROOT/bin:$PATH" \
  strace -f -qq -o "$trace" -e trace=execve,open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat \
  "$folder/$(basename "$E2E_PROGRAM")"
tracer=$SPAWNED
MAIN=""
for i in $(seq 1 150); do
  MAIN=$({ xdotool search --all --onlyvisible --name "$MAIN_TITLE" 2>/dev/null || true; } | head -n1)
  [ -n "$MAIN" ] && break
  sleep 0.1
done
expect "the main window comes up under strace" "window id '$MAIN'" test -n "$MAIN"
[ -n "$MAIN" ] || exit 1
sleep 1
click_centre "$MAIN" "${CMDPLAY[@]}"; sleep 1
click_centre "$MAIN" "${CHECK1[@]}"; sleep 0.5
click_centre "$MAIN" "${CHECK2[@]}"
notice=$({ timeout 5 xdotool search --sync --onlyvisible --name "$NOTICE_TITLE" 2>/dev/null || true; } | head -n1)
[ -n "$notice" ] && press "$notice" Return
sleep 0.5
click "$MAIN" "${VSAMP_TOP_ARROW[@]}"; sleep 0.3
click_centre "$MAIN" "${LABEL6[@]}"; sleep 0.3
click_centre "$MAIN" "${LABEL6[@]}"; sleep 0.3
click_centre "$MAIN" "${IMAGE1[@]}"
for i in $(seq 1 50); do [ -s "$E2E_OPENED" ] && break; sleep 0.1; done
click_centre "$MAIN" "${CMDPLAY[@]}"; sleep 0.5
expect_equal "the web link reached the opener once, as one argument" "$(head -n1 "$E2E_OPENED" 2>/dev/null)" 1
# Closing the window, as a user does.
pointer windowclose "$MAIN"
wait_exit "$tracer" 10 || stop_pid "$tracer"

# Every program started, and every file opened for writing, made or removed.
grep -E 'execve\(' "$trace" | grep -v ' = -1 ' >"$E2E_ARTIFACTS/started.txt" || true
grep -E '(O_WRONLY|O_RDWR|O_CREAT)|creat\(|rename|unlink|mkdir' "$trace" | grep -v ' = -1 ' |
  grep -v -F "$E2E_OPENED" >"$E2E_ARTIFACTS/written.txt" || true
expect_equal "no shell was started (execs of a shell)" \
  "$(grep -cE 'execve\("[^"]*/(ba|da|)sh"' "$E2E_ARTIFACTS/started.txt" || true)" 0
expect_equal "only the program and the opener were started" \
  "$(sed -E 's/^[0-9]+ +execve\("([^"]*)".*/\1/' "$E2E_ARTIFACTS/started.txt" | xargs -rn1 -d '\n' basename | sort -u | tr '\n' ' ')" \
  "$(basename "$E2E_PROGRAM") xdg-open "
expect_equal "nothing was made in the program's folder" "$(ls "$folder" | wc -l)" 5
expect_equal "no file written outside HOME and the runtime folder (see written.txt)" \
  "$(grep -v -e "\"$HOME/" -e "\"$XDG_RUNTIME_DIR/" -e '"/dev/' -e '"/proc/' "$E2E_ARTIFACTS/written.txt" | wc -l)" 0
echo "written under HOME: $(grep -c "\"$HOME/" "$E2E_ARTIFACTS/written.txt" || true) calls" | tee -a "$E2E_ARTIFACTS/checks.txt"
reliability_summary session-trace "$started"
