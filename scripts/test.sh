#!/usr/bin/env bash
# Sets up the machine, builds and runs every test: the plain build, then the tests again
# under AddressSanitizer/UndefinedBehaviorSanitizer, then the concurrency tests under
# ThreadSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

bash "$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
