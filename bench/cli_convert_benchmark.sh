#!/usr/bin/env bash
# Times whole processes: pinmover-cli converting a 200-point list, against the floor of any
# converter, a minimal static C program that replaces a 64048-byte file just as safely
# (temporary file, fsync, rename, fsync of the folder). The two run alternately, pair by pair,
# so that a busy machine slows both alike; it prints the median of each and their ratio.
# Usage: bench/cli_convert_benchmark.sh [path/to/pinmover-cli] [pairs]
set -euo pipefail
bench=$(realpath "$(dirname "$0")")
cli=$(realpath "${1:-build/native/cli/pinmover-cli}")
pairs=${2:-101}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cc -O2 -Wall -Wextra -Werror -static -o "$work/safe_replace_floor" "$bench/safe_replace_floor.c"
cc -O2 -Wall -Wextra -Werror -o "$work/alternate_runs" "$bench/alternate_runs.c"
cd "$work"

for i in $(seq 0 199); do
  printf '#%03d#a#b#%d#%d#c#d#e#f#T10#T11#12#POINT-%03d#00#####T18#####20261201093000##\r\n' \
    "$i" $((13944432 + i)) $((3539310 + i)) "$i"
done >points.pmf

./alternate_runs "$pairs" "$cli" convert -o out.pnt points.pmf -- \
  "$work/safe_replace_floor" floor.pnt >times
[[ $(stat -c %s out.pnt) == 64048 ]] || { echo "pinmover-cli wrote no point file" >&2; exit 1; }

median() { awk -v arm="$1" '$1 == arm {print $2}' times | sort -n |
  awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : int((v[NR/2]+v[NR/2+1])/2)}'; }
cli_median=$(median A)
floor_median=$(median B)
echo "pinmover-cli convert (200 points): median ${cli_median} us over $pairs pairs"
echo "static safe replacement (floor):   median ${floor_median} us over $pairs pairs"
awk -v a="$cli_median" -v b="$floor_median" 'BEGIN {printf "ratio: %.2f\n", a / b}'
