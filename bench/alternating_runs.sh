# Sourced by the whole-process benchmarks, with their arguments ([path/to/pinmover-cli]
# [pairs]): sets cli, pairs, bench (this folder) and work (a scratch folder, removed on exit,
# where alternate_runs is built), and defines paired_medians.
bench=$(realpath "$(dirname "${BASH_SOURCE[0]}")")
cli=$(realpath "${1:-build/native/cli/pinmover-cli}")
pairs=${2:-101}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -Wall -Wextra -Werror -o "$work/alternate_runs" "$bench/alternate_runs.c"

# paired_medians LABEL_A LABEL_B: the median of each arm of alternate_runs' output in
# $work/times, labelled, and the ratio of A to B.
paired_medians() {
  local a b
  median() { awk -v arm="$1" '$1 == arm {print $2}' "$work/times" | sort -n |
    awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : int((v[NR/2]+v[NR/2+1])/2)}'; }
  a=$(median A)
  b=$(median B)
  echo "$1 median $a us over $pairs pairs"
  echo "$2 median $b us over $pairs pairs"
  awk -v a="$a" -v b="$b" 'BEGIN {printf "ratio: %.2f\n", a / b}'
}
