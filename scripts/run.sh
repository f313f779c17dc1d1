#!/usr/bin/env bash
# Installs what is needed, builds, and starts VelnoriaLM from build/bin (the program and its
# four layer files).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$root/build"
exec "$root/build/bin/VelnoriaLM"
