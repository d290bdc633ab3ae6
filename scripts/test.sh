#!/usr/bin/env bash
# Every test of the project: the unit tests natively and under the sanitizers, each fuzz
# target for a bounded time, then the Windows build with its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

run_preset() {
  echo "== $1"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  ctest --preset "$1"
}

run_preset native
run_preset sanitize
# A crash or a broken property in any fuzz target fails the run.
echo "== fuzz"
scripts/fuzz.sh
run_preset windows
