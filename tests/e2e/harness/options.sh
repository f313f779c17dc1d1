# The options every scenario takes (--program, --analyser, --artifacts) and a fresh artefacts
# folder with its logs, screenshots and analysis.

# e2e_options ARGS...
e2e_options() {
  while [ $# -gt 0 ]; do
    case $1 in
      --program) E2E_PROGRAM=$2 ;;
      --analyser) E2E_ANALYSER=$2 ;;
      --artifacts) E2E_ARTIFACTS=$2 ;;
      *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
  done
  : "${E2E_PROGRAM:?--program missing}" "${E2E_ARTIFACTS:?--artifacts missing}"
  rm -rf "$E2E_ARTIFACTS"
  E2E_LOGS=$E2E_ARTIFACTS/logs
  E2E_SHOTS=$E2E_ARTIFACTS/screenshots
  mkdir -p "$E2E_LOGS" "$E2E_SHOTS" "$E2E_ARTIFACTS/analysis"
  : >"$E2E_ARTIFACTS/checks.txt"
  : >"$E2E_ARTIFACTS/marks.txt"
}
