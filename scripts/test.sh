#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the unit tests (ctest) and the
# end-to-end suite on a private X server and sound server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)" --label-exclude e2e
ctest --test-dir "$root/build" --output-on-failure --label-regex e2e
