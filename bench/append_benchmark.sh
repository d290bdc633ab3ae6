#!/usr/bin/env bash
# Times whole processes: pinmover-cli adding a 200-point GPX to a card's file of 200 points
# (--append: the card is read and checked, every new point looked up among its points, and
# the file written again), against converting the same GPX on its own. The two run
# alternately, pair by pair; it prints the median of each and their ratio.
# Usage: bench/append_benchmark.sh [path/to/pinmover-cli] [pairs]
set -euo pipefail
source "$(dirname "$0")/alternating_runs.sh"
cd "$work"

waypoints() {
  echo '<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">'
  for i in $(seq 1 200); do
    printf '<wpt lat="35.%04d" lon="139.%04d"><name>%s %03d</name></wpt>\n' "$i" "$i" "$1" "$i"
  done
  echo '</gpx>'
}
waypoints Card >card.gpx
waypoints New >new.gpx
"$cli" convert -o card.pnt card.gpx >/dev/null

./alternate_runs "$pairs" "$cli" convert --append -o card.pnt new.gpx -- \
  "$cli" convert -o plain.pnt new.gpx 2>/dev/null >times
[[ $("$cli" dump card.pnt | head -n 1) == *", 200 points" ]] || {
  echo "the card lost points" >&2
  exit 1
}

paired_medians "convert --append (200 onto 200):" "convert (the same 200 alone):   "
