#!/usr/bin/env bash
# Every test of the project: the unit tests natively and under the sanitizers, then the
# Windows build with its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

for preset in native sanitize windows; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# Each fuzz target for a bounded time; a crash or a broken property fails the run.
echo "== fuzz"
scripts/fuzz.sh
