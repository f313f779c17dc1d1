#!/usr/bin/env bash
# The unit tests under AddressSanitizer with UndefinedBehaviorSanitizer, and the mixer's
# stress tests under ThreadSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"

BUILD_TYPE=Debug bash "$root/scripts/build.sh" "$root/build-asan" -DVELNORIA_SANITIZE=address
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp" \
  ctest --test-dir "$root/build-asan" --output-on-failure --parallel "$(nproc)" --label-exclude e2e

BUILD_TYPE=RelWithDebInfo bash "$root/scripts/build.sh" "$root/build-tsan" -DVELNORIA_SANITIZE=thread
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --test-dir "$root/build-tsan" --output-on-failure -R Stress

# The WAVE decoding fuzzer for a minute on every core (ASan + UBSan, a clang build of its own).
bash "$root/tests/fuzz/run_fuzz.sh" "$root/build-fuzz" 60 "$(nproc)"
