# Marks on the recording: when each action was made, as a frame of the recording, so that
# the analysis looks at the right stretch.
#
# A mark notes the wall time and the recording's length at that moment. The length lags the
# sink by whatever the recorder has not yet been handed (up to a fragment, ~10 ms), so once
# the run is over every mark is placed by its wall time on the sink's clock instead: frame =
# 44100 * time + offset, the offset taken from the mark that lagged least among those within
# ten seconds of it. Not from all of them: the recording slowly gains on the wall clock (a
# sink that ran dry rewinds and renders ~10 ms again, which the recorder may already hold),
# so an offset holds only nearby.

# mark NAME: notes the time now, and (a few ms later) the recording's length with the time
# it was read, which places the recording on the clock.
mark() {
  local now=$EPOCHREALTIME frames
  frames=$(recording_frames)
  printf '%s %s %s %s\n' "$1" "$frames" "$now" "$EPOCHREALTIME" >>"$E2E_ARTIFACTS/marks.txt"
  eval "MARK_$1=$frames"
}

# Rewrites every MARK_ by its wall time. marks-placed.txt holds "NAME PLACED_FRAME FRAME";
# clock.txt holds "WALL_TIME PLACED_FRAME" per mark, by which the machine's stalls are placed
# on the recording too (see stalls.sh).
place_marks() {
  local placed=$E2E_ARTIFACTS/marks-placed.txt name frames
  awk -v near=10 '
       { n[NR] = $1; f[NR] = $2; t[NR] = $3; o[NR] = $2 - 44100 * ($4 - t[1]) }
       END {
         for (i = 1; i <= NR; i++) {
           best = o[i]
           for (j = 1; j <= NR; j++) if (t[j] - t[i] <= near && t[i] - t[j] <= near && o[j] > best) best = o[j]
           printf "%s %d %d %.6f\n", n[i], 44100 * (t[i] - t[1]) + best, f[i], t[i]
         }
       }' "$E2E_ARTIFACTS/marks.txt" >"$placed"
  E2E_CLOCK=$E2E_ARTIFACTS/clock.txt
  awk '{print $4, $2}' "$placed" >"$E2E_CLOCK"
  while read -r name frames _; do
    eval "MARK_$name=$frames"
  done <"$placed"
  place_stalls "$E2E_CLOCK"
}

# at NAME SECONDS: the frame SECONDS after (or, negative, before) mark NAME.
at() {
  local base
  eval "base=\$MARK_$1"
  awk -v b="$base" -v s="$2" 'BEGIN {printf "%d", b + s * 44100}'
}
