#!/usr/bin/env bash
# The download as a user meets it, under Wine: unpacked into a folder whose path holds
# Japanese characters and a space, the example converted there with pinmover-cli.exe and the
# result dumped, and pinmover.exe started from there with the example.
#
#   unpack_and_run.sh ZIP VERSION     (PINMOVER_WINE_SESSION names the running session)
set -euo pipefail
zip=$1 version=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
source "$scripts/wine-common.sh"
wine_environment "$PINMOVER_WINE_SESSION"

folder="$(dirname "$zip")/地点 ツール"
rm -rf "$folder"
mkdir -p "$folder"
cd "$folder"
cmake -E tar xf "$zip"

fail() {
  echo "unpack-and-run: $*" >&2
  exit 1
}
# Wine's output keeps Windows line ends.
windows() { "$scripts/wine-run.sh" "$@" | tr -d '\r'; }

shown=$(windows pinmover-cli.exe --version) || fail "pinmover-cli.exe --version failed"
[[ $shown == "pinmover-cli $version" ]] || fail "--version shows '$shown'"

points=$(grep -c '^#' tour.pmf)
shown=$(windows pinmover-cli.exe convert --icon 7 --voice 2 tour.pmf) ||
  fail "the conversion failed: $shown"
echo "$shown"
[[ $shown == "変換しました: tour.pnt ($points 地点)" ]] || fail "the conversion did not report $points points"

dump=$(windows pinmover-cli.exe dump --json tour.pnt) || fail "the dump failed: $dump"
jq -e --argjson points "$points" '
  .size == 64048 and .header_ok and .problems == [] and (.points | length) == $points
  and all(.points[]; .icon == 7 and .checksum_ok) and .points[0].name == "東京タワー"' \
  <<<"$dump" >/dev/null || fail "the dump shows a wrong file: $dump"
echo "dump: $points points, no problem"

# The program's dialog is titled once it is created; poll for it with a deadline.
"$scripts/wine-run.sh" pinmover.exe tour.pmf >/dev/null &
program=$!
trap 'kill "$program" 2>/dev/null || true; wait "$program" 2>/dev/null || true' EXIT
title=
for _ in $(seq 300); do
  title=$(xwininfo -root -tree | grep -o '"pinmover": (' || true)
  [[ -n $title ]] && break
  kill -0 "$program" 2>/dev/null || fail "pinmover.exe ended without showing its dialog"
  sleep 0.1
done
[[ -n $title ]] || fail "no window titled \"pinmover\" appeared"
echo "pinmover.exe shows its dialog, titled \"pinmover\""
