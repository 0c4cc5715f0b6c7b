#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the demo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
"$root/build/bin/pelorin_demo"
