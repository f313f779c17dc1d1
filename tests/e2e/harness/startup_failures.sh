# The two ways start-up can fail: a layer file missing from the program's folder, and no
# sound server. Either way one message box, the main window never mapped, and the program
# gone once the box is dismissed.

# failing_start LABEL TITLE_REGEX SHOT ENV...: runs the program with ENV and checks the above.
failing_start() {
  local label=$1 title=$2 shot=$3
  shift 3
  spawn "failing-start" "$E2E_LOGS/$shot.log" env "$@"
  local pid=$SPAWNED box="" main_seen=0 i
  for i in $(seq 1 100); do
    main_seen=$((main_seen + $(visible_windows "$pid" "$MAIN_TITLE")))
    box=$({ xdotool search --all --onlyvisible --pid "$pid" --name "$title" 2>/dev/null || true; } | head -n1)
    [ -n "$box" ] && break
    alive "$pid" || break
    sleep 0.1
  done
  expect "$label: a window titled ${title//[\^\$\\]/} appears" "window id '$box'" test -n "$box"
  if [ -n "$box" ]; then
    sleep 0.5
    import -window root "$E2E_SHOTS/$shot.png"
    main_seen=$((main_seen + $(visible_windows "$pid" "$MAIN_TITLE")))
    press "$box" Return
  fi
  local ended=no
  for i in $(seq 1 50); do
    main_seen=$((main_seen + $(visible_windows "$pid" "$MAIN_TITLE")))
    if ! alive "$pid"; then ended=yes; break; fi
    sleep 0.1
  done
  expect_equal "$label: the main window is never mapped (times seen)" "$main_seen" 0
  expect_equal "$label: after Return the program has ended" "$ended" yes
  stop_pid "$pid"
}

startup_failure_checks() {
  local broken=$E2E_ROOT/without-music
  mkdir "$broken"
  cp "$E2E_PROGRAM" "$broken/"
  cp "$(dirname "$E2E_PROGRAM")"/tester{1,2,3}.wav "$broken/"
  failing_start "9 missing ms1.wav" "$LAYER_MESSAGE_TITLE" 09-missing-layer "$broken/$(basename "$E2E_PROGRAM")"

  local nowhere=$E2E_ROOT/no-sound-server
  mkdir -m 700 "$nowhere"
  failing_start "10 no sound server" "$NO_SOUND_TITLE" 10-no-sound-server \
    XDG_RUNTIME_DIR="$nowhere" PULSE_SERVER="unix:$nowhere/native" "$E2E_PROGRAM"
}
