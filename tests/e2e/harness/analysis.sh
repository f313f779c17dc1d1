# Running the analyser over stretches of the recording; every result is kept as an artefact.

E2E_LEFT_HZ=200.07
E2E_RIGHT_HZ=207.90

# measure NAME FROM TO [ANALYSER OPTIONS...]: key=value results in $MEASURED, and a per-block
# CSV beside them. Once stalls are placed on the recording, the measure leaves them out.
measure() {
  local name=$1 from=$2 to=$3
  shift 3
  MEASURED=$E2E_ARTIFACTS/analysis/$name.txt
  local around=()
  [ -z "${E2E_STALL_FRAMES:-}" ] || around=(--exclude "$E2E_STALL_FRAMES")
  "$E2E_ANALYSER" measure "$E2E_RECORDING" --from "$from" --to "$to" \
    --left "$E2E_LEFT_HZ" --right "$E2E_RIGHT_HZ" "${around[@]}" "$@" >"$MEASURED"
  "$E2E_ANALYSER" blocks "$E2E_RECORDING" --from "$from" --to "$to" \
    --left "$E2E_LEFT_HZ" --right "$E2E_RIGHT_HZ" --block-ms 50 >"$E2E_ARTIFACTS/analysis/$name.csv"
}

# value KEY [FILE]: one result of the last measure (or of FILE).
value() {
  sed -n "s/^$1=//p" "${2:-$MEASURED}" | head -n1
}

# layer_value FILE KEY [--hz HZ]
layer_value() {
  local file=$1 key=$2
  shift 2
  "$E2E_ANALYSER" layer "$file" "$@" | sed -n "s/^$key=//p"
}

# layer_start NAME CHANNEL FROM TO HZ OTHER_HZ LAYER_FILE: where that beat layer began.
layer_start() {
  local out=$E2E_ARTIFACTS/analysis/$1.txt
  "$E2E_ANALYSER" start "$E2E_RECORDING" --channel "$2" --from "$3" --to "$4" --hz "$5" --other "$6" \
    --layer "$7" >"$out"
  MEASURED=$out
}
