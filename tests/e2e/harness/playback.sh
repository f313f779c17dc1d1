# One run of the program as a user meets it: start-up, Start, the slider, the mask, the
# music with its notice, Pause and Start again, the help text's "X" and the web link. The
# actions come first, each marked on the recording; the sound is analysed afterwards.

playback_actions() {
  open_program "1 start-up: the main window is mapped" || return 1
  expect_equal "1 start-up: client area and map state" "$(window_size "$MAIN")" "634x402 IsViewable"
  screenshot "$MAIN" "$E2E_SHOTS/01-start-up.png"
  sleep 1

  click_centre "$MAIN" "${CMDPLAY[@]}" start1
  sleep 13  # over one 11.11 s loop of the beats
  screenshot "$MAIN" "$E2E_SHOTS/02-playing.png"

  # Each stretch a few seconds long, so that a machine stall (see harness/stalls.sh) leaves
  # enough of it to measure.
  click "$MAIN" "${VSAMP_TRACK_ABOVE_THUMB[@]}" track
  sleep 3
  click "$MAIN" "${VSAMP_TOP_ARROW[@]}" arrow
  sleep 3

  click_centre "$MAIN" "${CHECK1[@]}" mask_on
  sleep 3
  click_centre "$MAIN" "${CHECK1[@]}" mask_off
  sleep 3

  music_actions

  click_centre "$MAIN" "${CMDPLAY[@]}" pause
  sleep 1.5
  screenshot "$MAIN" "$E2E_SHOTS/05-paused.png"
  click_centre "$MAIN" "${CMDPLAY[@]}" start2
  sleep 2

  help_text_actions
  link_actions
  mark end
  expect "the program is still running after every step" "pid $E2E_PROGRAM_PID" alive "$E2E_PROGRAM_PID"
}

music_actions() {
  click_centre "$MAIN" "${CHECK2[@]}" music_on
  local notice
  notice=$(wait_window "$E2E_PROGRAM_PID" "$NOTICE_TITLE" 5) || true
  expect "5 music: the first click shows the notice" "window id '$notice'" test -n "$notice"
  sleep 1.5
  import -window root "$E2E_SHOTS/03-music-notice.png"
  if [ -n "$notice" ]; then press "$notice" Return; fi
  mark notice_closed
  sleep 0.5
  expect_equal "5 music: Return dismisses the notice" "$(visible_windows "$E2E_PROGRAM_PID" "$NOTICE_TITLE")" 0
  sleep 2.5

  click_centre "$MAIN" "${CHECK2[@]}" music_off
  local i shown=0
  for i in $(seq 1 15); do
    shown=$((shown + $(visible_windows "$E2E_PROGRAM_PID" "$NOTICE_TITLE")))
    sleep 0.1
  done
  expect_equal "5 music: the second click shows no window" "$shown" 0
  sleep 1.5
}

help_text_actions() {
  screenshot "$MAIN" "$E2E_SHOTS/06-help-shown.png"
  click_centre "$MAIN" "${LABEL6[@]}"
  sleep 0.7
  screenshot "$MAIN" "$E2E_SHOTS/07-help-hidden.png"
  click_centre "$MAIN" "${LABEL6[@]}"
  sleep 0.7
  screenshot "$MAIN" "$E2E_SHOTS/08-help-back.png"
}

link_actions() {
  click_centre "$MAIN" "${IMAGE1[@]}"
  local i
  for i in $(seq 1 50); do
    [ -s "$E2E_OPENED" ] && break
    sleep 0.1
  done
  sleep 0.5  # room for a second, unwanted call to show up
}

# Everything the recording and the screenshots must show.
playback_checks() {
  local bin t1 t2
  bin=$(dirname "$E2E_PROGRAM")
  t1=$(layer_value "$bin/tester1.wav" tone_dbfs --hz "$E2E_LEFT_HZ")
  t2=$(layer_value "$bin/tester2.wav" tone_dbfs --hz "$E2E_RIGHT_HZ")

  measure 1-before-start 0 "$MARK_start1_down"
  expect_equal "1 start-up: nothing sounds before Start" "$(value all_silent)" 1

  beat_checks "$t1" "$t2"
  slider_checks "$t1" "$t2"
  mask_checks "$bin"
  music_checks "$bin"
  pause_checks "$t1" "$t2"
  playing_checks
  screenshot_checks
  link_checks
}

# first_sound_after NAME MARK: the first sounding frame from just before the click's press to
# 2 s after its release (mark MARK); also writes the click-to-sound latency, unless a machine
# stall came in between.
first_sound_after() {
  measure "$1-onset" "$(at "${1}_down" -0.2)" $(($2 + 88200))
  local onset
  onset=$(value first_sound)
  if [ "$onset" -ge 0 ] && [ "$(stalled_ms "$2" "$onset")" -eq 0 ]; then
    printf '%s %s\n' "$1" "$(calc "($onset - $2) / 44.1")" >>"$E2E_ARTIFACTS/latency.txt"
  fi
  echo "$onset"
}

beat_checks() {
  local t1=$1 t2=$2 onset
  onset=$(first_sound_after start1 "$MARK_start1")
  expect "2 Start: the beats begin" "first sound at frame $onset, Start clicked at $MARK_start1" test "$onset" -ge 0
  [ "$onset" -ge 0 ] || return 0
  BEATS_ONSET=$onset
  local from=$((onset + 13230)) to seam=$((onset + 490000))
  to=$(at track -0.2)
  expect_unless_stalled $((seam - 4410)) $((seam + 4410)) "2 Start: the analysed stretch spans the loop seam" \
    "$from..$to, seam at $seam" test "$to" -gt $((seam + 4410))
  measure 2-beats "$from" "$to"
  expect_near "2 Start: left carries tester1's tone (Hz)" "$(value L.strongest_hz)" 200.07 0.05
  expect_near "2 Start: right carries tester2's tone (Hz)" "$(value R.strongest_hz)" 207.90 0.05
  expect_below "2 Start: tester2 on the left (crosstalk dB)" "$(value L.crosstalk_db)" -60
  expect_below "2 Start: tester1 on the right (crosstalk dB)" "$(value R.crosstalk_db)" -60
  expect_near "2 Start: the beat, right minus left (Hz)" "$(value beat_hz)" 7.83 0.005
  expect_near "2 Start: left level is tester1's less 35 dB (dBFS)" "$(value L.own_tone_dbfs)" "$(calc "$t1 - 35")" 0.1
  expect_near "2 Start: right level is tester2's less 35 dB (dBFS)" "$(value R.own_tone_dbfs)" "$(calc "$t2 - 35")" 0.1
  expect_equal "2 Start: both channels hold nothing but their tones" "$(value tone_only_signals)" "L,R,D"
  expect_equal "2 Start: no dropout over the loop seam (frames: $(value dropout_frames))" "$(value dropouts)" 0
  expect_equal "2 Start: no hole of digital silence" "$(value zero_runs)" 0
  start_position_checks "2 Start" start1 "$(at start1_down -0.2)" "$(at start1 3)"
}

# start_position_checks LABEL NAME FROM TO: each beat layer played from its first sample.
# The tone's phase tells the frame where the layer's first sample played: that frame must
# lie just before the channel is first heard (a fade-in may keep the first few frames under
# one LSB) and be the same for both layers. A layer resumed part-way would show a start a
# random part of a period away from both.
#
# The tone is fitted over the 0.6 s after the onset; a machine stall there shifts what
# follows, so those checks are skipped.
start_position_checks() {
  local bin side file hz other onset
  local -A start
  bin=$(dirname "$E2E_PROGRAM")
  for side in L R; do
    if [ "$side" = L ]; then file=tester1.wav hz=$E2E_LEFT_HZ other=$E2E_RIGHT_HZ; else file=tester2.wav hz=$E2E_RIGHT_HZ other=$E2E_LEFT_HZ; fi
    layer_start "$2-start-$side" "$side" "$3" "$4" "$hz" "$other" "$bin/$file"
    start[$side]=$(value start_frame)
    onset=$(value onset)
    expect_unless_stalled "$onset" $((onset + 26460)) \
      "$1: $file begins just before it is heard (frames from its first sample)" \
      "measured $(value onset_after_start), expected 64 +- 65" is_near "$(value onset_after_start)" 64 65
  done
  expect_unless_stalled "$onset" $((onset + 26460)) "$1: both beat layers begin at one frame (frames apart)" \
    "measured $(calc "${start[L]} - ${start[R]}"), expected 0 +- 1.5" is_near "$(calc "${start[L]} - ${start[R]}")" 0 1.5
}

slider_checks() {
  local t1=$1 t2=$2 side
  measure 3-slider-before "$(at track -2.5)" "$(at track -0.2)"
  local before=$MEASURED
  measure 3-slider-after-track "$(at track 0.25)" "$(at arrow -0.2)"
  local track=$MEASURED
  measure 3-slider-after-arrow "$(at arrow 0.25)" "$(at mask_on -0.2)"
  local arrow=$MEASURED
  for side in L R; do
    expect_near "3 slider: a track click raises $side by 20 dB at once (dB)" \
      "$(calc "$(value $side.own_tone_dbfs "$track") - $(value $side.own_tone_dbfs "$before")")" 20 0.05
    expect_near "3 slider: an arrow click raises $side by 0.01 dB (dB)" \
      "$(calc "$(value $side.own_tone_dbfs "$arrow") - $(value $side.own_tone_dbfs "$track")")" 0.01 0.003
  done
  expect_near "3 slider: left level now tester1's less 14.99 dB (dBFS)" "$(value L.own_tone_dbfs "$arrow")" "$(calc "$t1 - 14.99")" 0.1
  BEATS_NOW_L=$(value D.left_tone_dbfs "$arrow")
  BEATS_NOW_R=$(value D.right_tone_dbfs "$arrow")
  measure 3-slider-whole "$(at track -1)" "$(at mask_on -0.2)"
  expect_equal "3 slider: no dropout while the level changes (frames: $(value dropout_frames))" "$(value dropouts)" 0
}

# beats_unchanged LABEL: the beats in $MEASURED play on at the level the slider left them
# (read in left minus right, where centred layers cancel).
beats_unchanged() {
  expect_near "$1: the left beat plays on (dBFS)" "$(value D.left_tone_dbfs)" "$BEATS_NOW_L" 0.02
  expect_near "$1: the right beat plays on (dBFS)" "$(value D.right_tone_dbfs)" "$BEATS_NOW_R" 0.02
  expect "$1: the beats watched for dropouts" "in $(value tone_only_signals)" is_equal "$(value tone_only_signals | tr -cd D)" D
  expect_equal "$1: no dropout (frames: $(value dropout_frames))" "$(value dropouts)" 0
  expect_equal "$1: no hole of digital silence" "$(value zero_runs)" 0
}

# centred_layer_checks LABEL LAYER_FILE: the stretch in $MEASURED holds that layer, at its
# own level, the same on both sides.
centred_layer_checks() {
  local side
  for side in L R; do
    expect_above "$1: $(basename "$2") is what joins on $side (correlation)" "$(value ref.$side.correlation)" 0.99
    expect_near "$1: at the file's own level on $side (dB)" "$(value ref.$side.gain_db)" 0 0.2
  done
  expect_equal "$1: the same sample of the layer on both sides" "$(value ref.L.offset)" "$(value ref.R.offset)"
  expect_above "$1: the same sound on both sides (correlation)" "$(value residual_correlation)" 0.999
  expect_below "$1: nothing of it in left minus right (dB under the layer)" \
    "$(calc "$(value D.residual_dbfs) - $(value L.residual_dbfs)")" -40
}

# nothing_but_beats LABEL: no layer besides the beats in $MEASURED.
nothing_but_beats() {
  expect_below "$1: nothing but the beats on the left (dBFS)" "$(value L.residual_dbfs)" -80
  expect_below "$1: nothing but the beats on the right (dBFS)" "$(value R.residual_dbfs)" -80
}

mask_checks() {
  measure 4-mask-on "$(at mask_on 0.3)" "$(at mask_off -0.2)" --reference "$1/tester3.wav"
  centred_layer_checks "4 mask ticked" "$1/tester3.wav"
  beats_unchanged "4 mask ticked"
  measure 4-mask-off "$(at mask_off 0.3)" "$(at music_on -0.2)"
  nothing_but_beats "4 mask unticked"
  beats_unchanged "4 mask unticked"
}

music_checks() {
  measure 5-music-notice "$(at music_on 0.3)" "$(at notice_closed -0.1)"
  nothing_but_beats "5 notice shown"
  beats_unchanged "5 notice shown"
  measure 5-music-on "$(at notice_closed 0.4)" "$(at music_off -0.2)" --reference "$1/ms1.wav"
  centred_layer_checks "5 music after the notice" "$1/ms1.wav"
  beats_unchanged "5 music after the notice"
  measure 5-music-off "$(at music_off 0.3)" "$(at pause -0.2)"
  nothing_but_beats "5 music unticked"
}

pause_checks() {
  local t1=$1 t2=$2 last silent_from onset
  measure 6-paused "$MARK_pause" "$MARK_start2"
  last=$(value last_sound)
  silent_from=$((last < 0 ? MARK_pause : last + 1))
  local after_ms
  after_ms=$(calc "($silent_from - $MARK_pause) / 44.1")
  expect_unless_stalled "$MARK_pause" "$((silent_from > MARK_pause + 4410 ? silent_from : MARK_pause + 4410))" \
    "6 Pause: digital silence follows (ms after the click)" "measured $after_ms, limit below 100" is_below "$after_ms" 100
  onset=$(first_sound_after start2 "$MARK_start2")
  expect "6 Start again: the beats begin again" "first sound at frame $onset" test "$onset" -ge 0
  [ "$onset" -ge 0 ] || return 0
  # Through the help text's X and the link: neither touches the sound.
  measure 6-started-again "$((onset + 13230))" "$(at end -0.05)"
  expect_near "6 Start again: left at the slider's level (dBFS)" "$(value L.own_tone_dbfs)" "$(calc "$t1 - 14.99")" 0.1
  expect_near "6 Start again: right at the slider's level (dBFS)" "$(value R.own_tone_dbfs)" "$(calc "$t2 - 14.99")" 0.1
  nothing_but_beats "6 Start again with both boxes unticked"
  expect_equal "6 Start again: no dropout (frames: $(value dropout_frames))" "$(value dropouts)" 0
  expect_equal "6 Start again: no hole of digital silence" "$(value zero_runs)" 0
  start_position_checks "6 Start again" start2 "$(at start2_down -0.2)" "$(at start2 1.9)"
}

# All of the first playback at once, every click and layer change included.
playing_checks() {
  [ -n "${BEATS_ONSET:-}" ] || return 0
  measure 2-6-while-playing "$((BEATS_ONSET + 13230))" "$(at pause -0.05)"
  expect_equal "2-6 while playing: no hole of digital silence" "$(value zero_runs)" 0
  expect_equal "2-6 while playing: no dropout in the beats (frames: $(value dropout_frames))" "$(value dropouts)" 0
}

screenshot_checks() {
  local shown=$E2E_SHOTS/06-help-shown.png hidden=$E2E_SHOTS/07-help-hidden.png back=$E2E_SHOTS/08-help-back.png
  local started=$E2E_SHOTS/01-start-up.png
  local mean free
  for free in FREE_BETWEEN_PANEL_AND_HELIX FREE_LEFT_OF_TITLES; do
    local -n area=$free
    mean=$(region_mean "$started" "${area[@]}")
    expect "1 start-up: the amber picture shows where no control stands (${area[*]}: mean RGB $mean)" \
      "red - blue above 0.3" is_above "$(calc "${mean%% *} - ${mean##* }")" 0.3
  done
  mean=$(region_mean "$started" "${CMDPLAY[@]}")
  expect "1 start-up: the button stands where the layout puts it (grey face, mean RGB $mean)" \
    "red - blue below 0.1, light" is_grey_face "$mean"
  mean=$(region_mean "$shown" "${RCHTEXT[@]}")
  expect "7 X: before, the help text box is there (light, mean RGB $mean)" "blue above 0.75" is_above "${mean##* }" 0.75
  mean=$(region_mean "$hidden" "${RCHTEXT[@]}")
  expect "7 X: after one click the background shows there (warm, mean RGB $mean)" "red - blue above 0.3" \
    is_above "$(calc "${mean%% *} - ${mean##* }")" 0.3
  expect_equal "7 X: after a second click the box is back as it was (pixels differing)" \
    "$(region_difference "$shown" "$back" "${RCHTEXT[@]}")" 0
  expect_equal "7 X: the X itself stays in place (pixels differing)" \
    "$(region_difference "$shown" "$hidden" "${LABEL6_OWN[@]}")" 0
}

link_checks() {
  local opened
  opened=$(cat "$E2E_OPENED" 2>/dev/null | paste -sd'|')
  expect_equal "8 link: the opener is called once with the web address alone" "$opened" "1|$LINK_URL"
}
