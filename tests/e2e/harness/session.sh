# The private session: a fresh folder for HOME and XDG_RUNTIME_DIR, a PulseAudio of our own
# with a null sink, an Xvfb of our own, and a recorder on the sink's monitor.

E2E_SINK=velnoria_e2e
E2E_RECORDING=""

session_begin() {
  E2E_ROOT=$(mktemp -d /tmp/velnoria-e2e.XXXXXX)
  chmod 700 "$E2E_ROOT"
  mkdir -m 700 "$E2E_ROOT/home" "$E2E_ROOT/runtime" "$E2E_ROOT/bin"
  export HOME=$E2E_ROOT/home XDG_RUNTIME_DIR=$E2E_ROOT/runtime
  # Nothing of the machine's own session: no bus to autolaunch, no server to find or spawn.
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_ROOT/no-bus
  printf 'autospawn = no\n' >"$E2E_ROOT/client.conf"
  export PULSE_CLIENTCONFIG=$E2E_ROOT/client.conf
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  export QT_QPA_PLATFORM=xcb
  unset SDL_AUDIODRIVER PULSE_SINK DISPLAY WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER
}

# start_desktop: the private session, with its opener stand-in, sound server, X server,
# stall watch and pointer.
start_desktop() {
  session_begin
  install_opener
  start_sound_server
  start_x_server
  start_stall_watch
  pointer_start
}

session_end() {
  stop_all
  [ -n "${E2E_ROOT:-}" ] && rm -rf "$E2E_ROOT"
}

start_sound_server() {
  cat >"$E2E_ROOT/server.pa" <<PA
load-module module-native-protocol-unix
load-module module-null-sink sink_name=$E2E_SINK rate=44100 channels=2 format=s16le
set-default-sink $E2E_SINK
PA
  spawn pulseaudio "$E2E_LOGS/pulseaudio.log" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --log-target=stderr -F "$E2E_ROOT/server.pa"
  E2E_PULSE_PID=$SPAWNED
  local i
  for i in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && return 0
    alive "$E2E_PULSE_PID" || break
    sleep 0.05
  done
  fail_setup "the sound server did not come up (see logs/pulseaudio.log)"
}

start_x_server() {
  local number_file=$E2E_ROOT/display-number i
  : >"$number_file"
  # -noreset: without it Xvfb resets when the last client leaves, and the next program run
  # would find no display.
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$number_file" >"$E2E_LOGS/xvfb.log" 2>&1 &
  remember xvfb $!
  E2E_XVFB_PID=$!
  for i in $(seq 1 100); do
    if grep -q '^[0-9]' "$number_file"; then
      export DISPLAY=:$(head -n1 "$number_file")
      return 0
    fi
    alive "$E2E_XVFB_PID" || break
    sleep 0.05
  done
  fail_setup "Xvfb did not report a display (see logs/xvfb.log)"
}

# A stand-in for the desktop's opener, first on PATH: it writes down what it was given.
install_opener() {
  E2E_OPENED=$E2E_ROOT/opened.txt
  cat >"$E2E_ROOT/bin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$#" "\$@" >>"$E2E_OPENED"
SH
  chmod +x "$E2E_ROOT/bin/xdg-open"
}

recording_frames() { echo $(($(stat -c %s "$E2E_RECORDING") / 4)); }

start_recorder() {
  E2E_RECORDING=$E2E_ROOT/recording.raw
  : >"$E2E_RECORDING"
  # The recorder reads the sink in 10 ms pieces; on real-time scheduling (where the system
  # allows it) a busy machine cannot make it miss one and put a false dropout in the recording.
  local realtime=()
  if chrt -r 5 true 2>/dev/null; then realtime=(chrt -r 5); fi
  spawn recorder "$E2E_LOGS/recorder.log" \
    "${realtime[@]}" parecord --raw --device="$E2E_SINK.monitor" --format=s16le --rate=44100 --channels=2 \
    --latency-msec=10 "$E2E_RECORDING"
  E2E_RECORDER_PID=$SPAWNED
  # A fresh null sink delivers its first seconds in a burst: wait until the recording grows at
  # the pace of the clock before anything is marked on it.
  local steady=0 i before after since until rate
  for i in $(seq 1 40); do
    before=$(recording_frames)
    since=$EPOCHREALTIME
    sleep 0.25
    after=$(recording_frames)
    until=$EPOCHREALTIME
    rate=$(awk -v f=$((after - before)) -v a="$since" -v b="$until" 'BEGIN {printf "%d", f / (b - a)}')
    echo "$until $after $rate" >>"$E2E_LOGS/recording-growth.log"
    if [ "$rate" -gt 35000 ] && [ "$rate" -lt 55000 ]; then
      steady=$((steady + 1))
      [ "$steady" -ge 3 ] && return 0
    else
      steady=0
    fi
    alive "$E2E_RECORDER_PID" || break
  done
  fail_setup "the recording did not grow steadily (see logs/recording-growth.log)"
}

# A watcher for the machine standing still (tests/e2e/stallwatch), beside the analyser: it
# writes each stall, in wall-clock seconds, to stalls.txt as the run goes.
start_stall_watch() {
  E2E_STALLWATCH=${E2E_STALLWATCH:-$(dirname "${E2E_ANALYSER:-.}")/e2e_stallwatch}
  E2E_STALLS=$E2E_ARTIFACTS/stalls.txt
  : >"$E2E_STALLS"
  [ -x "$E2E_STALLWATCH" ] || return 0
  # Stalls under 10 ms are well within what the output bridges.
  spawn stallwatch "$E2E_STALLS" "$E2E_STALLWATCH" 10
}

stop_recorder() {
  stop_pid "$E2E_RECORDER_PID"
  cp "$E2E_RECORDING" "$E2E_ARTIFACTS/recording.raw"
}
