#!/usr/bin/env bash
# Takes a screenshot of the main dialog, as the Windows build shows it under Wine, into
# docs/main-dialog.png. Runs in a Wine session of its own, which it stops again.
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/windows/ui/win32/pinmover.exe
session=$PWD/build/windows/screenshot-session
output=docs/main-dialog.png

cmake --preset windows >/dev/null
cmake --build --preset windows --target pinmover

scripts/wine-session.sh start "$session"
trap 'scripts/wine-session.sh stop "$session"' EXIT
export DISPLAY=":$(tr -d '[:space:]' <"$session/display")"

PINMOVER_WINE_SESSION=$session scripts/wine-run.sh "$program" 'C:\data\tour.pmf' >/dev/null &
runner=$!

# The dialog's title is set while it is created; poll for it with a deadline.
window=
for _ in $(seq 200); do
  window=$(xwininfo -root -tree | awk '/"pinmover": \(/ { print $1; exit }')
  [[ -n $window ]] && break
  sleep 0.1
done
if [[ -z $window ]]; then
  echo "screenshot: the dialog did not appear" >&2
  kill "$runner" 2>/dev/null || true
  exit 1
fi

mkdir -p docs
import -window "$window" "$output"
kill "$runner" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
echo "screenshot: $output"
