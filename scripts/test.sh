#!/usr/bin/env bash
# Sets up the machine, builds and runs every test: the plain build first, then all tests
# again under AddressSanitizer + UndefinedBehaviorSanitizer (leak checking included), then
# the tests labelled "concurrency" under ThreadSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
bash "$root/scripts/setup.sh"

echo "== plain build"
bash "$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
bash "$root/scripts/build.sh" "$root/build-asan" -DPELORIN_SANITIZE=address
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== ThreadSanitizer"
bash "$root/scripts/build.sh" "$root/build-tsan" -DPELORIN_SANITIZE=thread
TSAN_OPTIONS=halt_on_error=1 \
  ctest --test-dir "$root/build-tsan" --output-on-failure -j "$jobs" -L concurrency
