#!/usr/bin/env bash
# The main job on the bundled example: sets up the machine, builds the command-line converter,
# converts examples/tour.pmf, shows what a navigation unit would read from the result, and
# exports a point file for a map app.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target pinmover-cli >/dev/null
mkdir -p build/example
cli=build/native/cli/pinmover-cli
"$cli" convert --icon 7 --voice 2 -o build/example/tour.pnt examples/tour.pmf
"$cli" dump build/example/tour.pnt
# The same for a list exported from a map app (GPX, WGS84), written in the Tokyo datum.
"$cli" convert -o build/example/drive.pnt examples/drive.gpx
"$cli" dump build/example/drive.pnt
# And back out for a map app: the unit's points as KML, in WGS84 again.
"$cli" export --format kml build/example/drive.pnt
