#!/usr/bin/env bash
# Times whole processes: pinmover-cli converting a 200-point list, against cp of a file of the
# output's size (the least any converter must do: start a process, read, write). Prints the
# median of each over many alternating runs and their ratio.
# Usage: bench/cli_convert_benchmark.sh [path/to/pinmover-cli] [runs]
set -euo pipefail
cli=${1:-build/native/cli/pinmover-cli}
runs=${2:-300}
cli=$(realpath "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

for i in $(seq 0 199); do
  printf '#%03d#a#b#%d#%d#c#d#e#f#T10#T11#12#POINT-%03d#00#####T18#####20261201093000##\r\n' \
    "$i" $((13944432 + i)) $((3539310 + i)) "$i"
done >points.pmf
head -c 64048 /dev/urandom >image.bin

elapsed_us() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

: >cli.times
: >cp.times
for _ in $(seq "$runs"); do
  elapsed_us "$cli" convert -o out.pnt points.pmf >>cli.times
  elapsed_us cp image.bin copy.bin >>cp.times
done

median() { sort -n "$1" | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : int((v[NR/2]+v[NR/2+1])/2)}'; }
cli_median=$(median cli.times)
cp_median=$(median cp.times)
echo "pinmover-cli convert (200 points): median ${cli_median} us over $runs runs"
echo "cp of 64048 bytes:                 median ${cp_median} us over $runs runs"
awk -v a="$cli_median" -v b="$cp_median" 'BEGIN {printf "ratio: %.2f\n", a / b}'
