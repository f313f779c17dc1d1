# Machine stalls on the recording. On a virtual machine the host can stop the whole machine
# for tens or hundreds of milliseconds; meanwhile no thread of the program, the sound server
# or the recorder runs, and afterwards the sink renders the time it missed at once, from a
# stream that holds only what the program's latency allows: a hole that no program with a
# short latency can prevent. The stall watch (start_stall_watch) notes each stall; here each
# one becomes the frames it may have touched, which every later measure leaves out, and a
# check of one moment that fails where a stall touched it is a SKIP rather than a FAIL.

# Room around a stall: the clock's placement of the recording is good to a few ms, and after
# a stall the sink catches up and the stream refills over the next blocks.
E2E_STALL_BEFORE_S=0.05
E2E_STALL_AFTER_S=0.2

# place_stalls CLOCK: writes stall-frames.txt ("from to" frames) from stalls.txt, each stall
# placed by the nearest line of CLOCK ("WALL_TIME FRAME": the recording's frame at that time).
place_stalls() {
  E2E_STALL_FRAMES=$E2E_ARTIFACTS/stall-frames.txt
  awk -v before="$E2E_STALL_BEFORE_S" -v after="$E2E_STALL_AFTER_S" '
    FNR == NR { ct[++n] = $1; cf[n] = $2; next }
    /^#/ || NF != 2 { next }
    {
      k = 1
      for (i = 2; i <= n; i++) if (($1 - ct[i]) ^ 2 < ($1 - ct[k]) ^ 2) k = i
      printf "%d %d\n", cf[k] + 44100 * ($1 - ct[k] - before), cf[k] + 44100 * ($2 - ct[k] + after)
    }' "$1" "${E2E_STALLS:-/dev/null}" >"$E2E_STALL_FRAMES"
}

# place_stalls_now: the same for a recording still growing, placed by its length now (good
# for the last minute or so). The watch reports a stall a fraction of a second after it
# ends, so wait that long first.
place_stalls_now() {
  sleep 0.5
  local clock=$E2E_ARTIFACTS/clock-now.txt
  echo "$EPOCHREALTIME $(recording_frames)" >"$clock"
  place_stalls "$clock"
}

# stalled_ms FROM TO: milliseconds of placed stalls (with their room) that touch frames
# [FROM, TO); 0 when none does.
stalled_ms() {
  [ -n "${E2E_STALL_FRAMES:-}" ] || { echo 0; return; }
  awk -v a="$1" -v b="$2" '$2 > a && $1 < b {ms += ($2 - $1) / 44.1} END {printf "%d", ms}' "$E2E_STALL_FRAMES"
}

# expect_unless_stalled FROM TO LABEL DETAIL COMMAND...: expect; but a failure while a stall
# touched frames [FROM, TO) is a SKIP that says so.
expect_unless_stalled() {
  local from=$1 to=$2 stalled
  shift 2
  if "${@:3}"; then
    record PASS "$1 ($2)"
    return
  fi
  stalled=$(stalled_ms "$from" "$to")
  if [ "$stalled" -gt 0 ]; then
    record SKIP "$1 (a machine stall of $stalled ms, with its room, fell in it: $2)"
  else
    record FAIL "$1 ($2)"
  fi
}
