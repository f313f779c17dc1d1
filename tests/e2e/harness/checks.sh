# Expectations: each one a PASS or FAIL line in checks.txt, with what was measured; SKIP for
# one that a machine stall made impossible to judge (see stalls.sh).

E2E_FAILURES=0
E2E_CHECKS=0
E2E_SKIPS=0

record() {
  local verdict=$1
  shift
  E2E_CHECKS=$((E2E_CHECKS + 1))
  case $verdict in
    PASS) ;;
    SKIP) E2E_SKIPS=$((E2E_SKIPS + 1)) ;;
    *) E2E_FAILURES=$((E2E_FAILURES + 1)) ;;
  esac
  printf '%s %s\n' "$verdict" "$*" | tee -a "$E2E_ARTIFACTS/checks.txt"
}

# expect LABEL DETAIL COMMAND...: passes when COMMAND succeeds.
expect() {
  local label=$1 detail=$2
  shift 2
  if "$@"; then record PASS "$label ($detail)"; else record FAIL "$label ($detail)"; fi
}

# Numeric comparisons through awk, since the values are decimals.
is_near() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN {d = a - b; if (d < 0) d = -d; exit !(a != "" && d <= t)}'; }
is_below() { awk -v a="$1" -v b="$2" 'BEGIN {exit !(a != "" && a + 0 < b + 0)}'; }
is_above() { awk -v a="$1" -v b="$2" 'BEGIN {exit !(a != "" && a + 0 > b + 0)}'; }
is_equal() { [ "$1" = "$2" ]; }
# is_grey_face "R G B": a light, colourless face, as a push button's.
is_grey_face() { awk -v c="$1" 'BEGIN {split(c, v, " "); d = v[1] - v[3]; if (d < 0) d = -d; exit !(d < 0.1 && v[2] > 0.7)}'; }

expect_near() { expect "$1" "measured $2, expected $3 +- $4" is_near "$2" "$3" "$4"; }
expect_below() { expect "$1" "measured $2, limit below $3" is_below "$2" "$3"; }
expect_above() { expect "$1" "measured $2, limit above $3" is_above "$2" "$3"; }
expect_equal() { expect "$1" "got '$2', expected '$3'" is_equal "$2" "$3"; }

# Decimal arithmetic: calc 'a - b' ...
calc() { awk "BEGIN {printf \"%.6f\", $1}"; }

fail_setup() {
  record FAIL "setup: $*"
  exit 1
}
