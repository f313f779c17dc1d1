# The program's windows on the X server: finding them, clicking and typing into them, and
# screenshots. Coordinates are window client coordinates in pixels (no window manager, so a
# top-level window is its client area).

# wait_window PID TITLE_REGEX SECONDS: prints the id of the program's mapped window once it
# is there; false after SECONDS.
wait_window() {
  timeout "$3" xdotool search --sync --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n1
}

# open_program LABEL: starts the program from its folder as a user does, with the opener
# stand-in first on PATH; its id in $E2E_PROGRAM_PID and its main window in $MAIN, checked
# under LABEL. False if the window never came.
open_program() {
  spawn program "$E2E_LOGS/program.log" env PATH="$E2E_ROOT/bin:$PATH" "$E2E_PROGRAM"
  E2E_PROGRAM_PID=$SPAWNED
  MAIN=$(wait_window "$E2E_PROGRAM_PID" "$MAIN_TITLE" 15) || true
  expect "$1" "window id '$MAIN'" test -n "$MAIN"
  [ -n "$MAIN" ]
}

# visible_windows PID TITLE_REGEX: how many such windows are mapped right now.
visible_windows() {
  { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null || true; } | wc -l
}

# One xdotool for all pointer and key actions, fed line by line through a FIFO: no process
# start-up between a mark and the event it marks, so marks fall within a millisecond of it.
pointer_start() {
  mkfifo "$E2E_ROOT/pointer.in" "$E2E_ROOT/pointer.out"
  stdbuf -oL xdotool - <"$E2E_ROOT/pointer.in" >"$E2E_ROOT/pointer.out" 2>"$E2E_LOGS/pointer.log" &
  remember pointer $!
  exec 7>"$E2E_ROOT/pointer.in" 8<"$E2E_ROOT/pointer.out"
}

pointer_stop() {
  exec 7>&- 8<&-
}

# pointer COMMAND...: one xdotool command, returning once xdotool has carried it out.
pointer() {
  printf '%s\ngetmouselocation\n' "$*" >&7
  local done_line
  read -r -t 10 -u 8 done_line || fail_setup "xdotool stopped answering (see logs/pointer.log)"
}

# click WINDOW X Y [MARK]: presses and releases the left button there; with MARK, marks
# MARK_down as the press is sent and MARK as the release is sent (a button acts on the
# release, a scroll bar on the press).
click() {
  pointer mousemove --window "$1" "$2" "$3"
  [ -z "${4:-}" ] || mark "${4}_down"
  pointer mousedown 1
  [ -z "${4:-}" ] || mark "$4"
  pointer mouseup 1
}

# click_centre WINDOW LEFT TOP WIDTH HEIGHT [MARK]: clicks the middle of a control's rectangle.
click_centre() {
  click "$1" $(($2 + $4 / 2)) $(($3 + $5 / 2)) "${6:-}"
}

# press WINDOW KEY: gives the window the keyboard focus and presses KEY.
press() {
  pointer windowfocus --sync "$1"
  pointer key "$2"
}

# window_size WINDOW: "WIDTHxHEIGHT MAPSTATE"
window_size() {
  xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} /Map State:/ {m = $3} END {print w "x" h " " m}'
}

# screenshot WINDOW FILE.png
screenshot() {
  import -window "$1" "$2"
}

# region_mean FILE.png LEFT TOP WIDTH HEIGHT: "red green blue" means, 0..1.
region_mean() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:
}

# region_difference A.png B.png LEFT TOP WIDTH HEIGHT: how many pixels differ.
region_difference() {
  local crop="$5x$6+$3+$4" a=$E2E_ROOT/region-a.png b=$E2E_ROOT/region-b.png
  convert "$1" -crop "$crop" +repage "$a"
  convert "$2" -crop "$crop" +repage "$b"
  compare -metric AE "$a" "$b" null: 2>&1 | awk 'NR == 1 {print int($1)}'
}
