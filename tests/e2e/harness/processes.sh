# Processes the suite starts: each one remembered by its id, and every one of them ended by
# that id when the suite ends, also when a step fails.

E2E_PIDS=()
E2E_PID_NAMES=()

# remember NAME PID
remember() {
  E2E_PIDS+=("$2")
  E2E_PID_NAMES+=("$1")
}

# spawn NAME LOGFILE COMMAND...: starts COMMAND in the background; its id lands in $SPAWNED.
spawn() {
  local name=$1 log=$2
  shift 2
  "$@" >"$log" 2>&1 &
  SPAWNED=$!
  remember "$name" "$SPAWNED"
}

# Only ever a real child's id: "kill 0" would reach the whole process group.
alive() { [ -n "$1" ] && [ "$1" -gt 1 ] && kill -0 "$1" 2>/dev/null; }

# stop_pid PID: asks politely, then insists.
stop_pid() {
  local pid=$1 i
  alive "$pid" || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for i in $(seq 1 30); do
    alive "$pid" || break
    sleep 0.1
  done
  alive "$pid" && kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# wait_exit PID SECONDS: true once the process has ended within that time.
wait_exit() {
  local pid=$1 deadline
  deadline=$(($(date +%s%N) + ${2%.*} * 1000000000))
  while alive "$pid"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
  wait "$pid" 2>/dev/null || true
}

# Ends everything still running, newest first.
stop_all() {
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    stop_pid "${E2E_PIDS[$i]}"
  done
  E2E_PIDS=()
  E2E_PID_NAMES=()
}
