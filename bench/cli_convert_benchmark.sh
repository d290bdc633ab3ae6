#!/usr/bin/env bash
# Times whole processes: pinmover-cli converting a 200-point list, against the floor of any
# converter, a minimal static C program that replaces a 64048-byte file just as safely
# (temporary file, fsync, rename, fsync of the folder). The two run alternately, pair by pair,
# so that a busy machine slows both alike; it prints the median of each and their ratio.
# Usage: bench/cli_convert_benchmark.sh [path/to/pinmover-cli] [pairs]
set -euo pipefail
source "$(dirname "$0")/alternating_runs.sh"
cc -O2 -Wall -Wextra -Werror -static -o "$work/safe_replace_floor" "$bench/safe_replace_floor.c"
cd "$work"

for i in $(seq 0 199); do
  printf '#%03d#a#b#%d#%d#c#d#e#f#T10#T11#12#POINT-%03d#00#####T18#####20261201093000##\r\n' \
    "$i" $((13944432 + i)) $((3539310 + i)) "$i"
done >points.pmf

./alternate_runs "$pairs" "$cli" convert -o out.pnt points.pmf -- \
  "$work/safe_replace_floor" floor.pnt >times
[[ $(stat -c %s out.pnt) == 64048 ]] || { echo "pinmover-cli wrote no point file" >&2; exit 1; }

paired_medians "pinmover-cli convert (200 points):" "static safe replacement (floor):  "
