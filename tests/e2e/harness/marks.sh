# Marks on the recording: when each action was made, as a frame of the recording, so that
# the analysis looks at the right stretch.
#
# A mark notes the wall time and the recording's length at that moment. The length lags the
# sink by whatever the recorder has not yet been handed (up to a fragment, ~10 ms), so once
# the run is over every mark is placed by its wall time on the sink's clock instead: frame =
# 44100 * time + offset, the offset taken from the mark that lagged least.

# mark NAME: notes the time now, and (a few ms later) the recording's length with the time
# it was read, which places the recording on the clock.
mark() {
  local now=$EPOCHREALTIME frames
  frames=$(recording_frames)
  printf '%s %s %s %s\n' "$1" "$frames" "$now" "$EPOCHREALTIME" >>"$E2E_ARTIFACTS/marks.txt"
  eval "MARK_$1=$frames"
}

# Rewrites every MARK_ by its wall time; the marks file gains the placed frame as a column.
# The machine's stalls are placed on the recording by the same clock (see stalls.sh).
place_marks() {
  local placed=$E2E_ARTIFACTS/marks-placed.txt name frames
  awk 'NR == 1 { t0 = $3 }
       { t[NR] = $3 - t0; f[NR] = $2; n[NR] = $1; o = $2 - 44100 * ($4 - t0); if (NR == 1 || o > best) best = o }
       END { for (i = 1; i <= NR; i++) printf "%s %d %d\n", n[i], 44100 * t[i] + best, f[i];
             printf "clock %.6f %d\n", t0, best }' \
    "$E2E_ARTIFACTS/marks.txt" >"$placed"
  local t0="" offset="" third
  while read -r name frames third; do
    if [ "$name" = clock ]; then t0=$frames offset=$third; else eval "MARK_$name=$frames"; fi
  done <"$placed"
  place_stalls "$t0" "$offset"
}

# at NAME SECONDS: the frame SECONDS after (or, negative, before) mark NAME.
at() {
  local base
  eval "base=\$MARK_$1"
  awk -v b="$base" -v s="$2" 'BEGIN {printf "%d", b + s * 44100}'
}
