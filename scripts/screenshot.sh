#!/usr/bin/env bash
# Takes the pictures of the Windows program that the documents show, as the Windows build
# shows it under Wine: the main dialog into docs/main-dialog.png, and the point list window
# over a list of places into docs/point-review.png. Runs in a Wine session of its own, which it
# stops again.
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/windows/ui/win32/pinmover.exe
driver=build/windows/tests/ui/ui_driver.exe
session=$PWD/build/windows/screenshot-session
output=docs/main-dialog.png
review_output=docs/point-review.png

cmake --preset windows >/dev/null
cmake --build --preset windows --target pinmover ui_driver

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

# Places as a map app exports them: a name longer than the unit shows, characters it lacks,
# an accented letter, and a place without a position, which the window greys at the end.
places=$session/drive.gpx
cat >"$places" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="pinmover screenshot" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="35.658581" lon="139.745433"><name>東京タワー</name></wpt>
  <wpt lat="35.710063" lon="139.810700"><name>東京スカイツリー 天望デッキ フロア350 南側</name></wpt>
  <wpt lat="35.714765" lon="139.796655"><name>浅草寺 雷門</name></wpt>
  <wpt lat="35.452700" lon="139.642500"><name>横浜赤レンガ倉庫</name></wpt>
  <wpt lat="35.325960" lon="139.556300"><name>鶴岡八幡宮 第①駐車場</name></wpt>
  <wpt lat="35.316700" lon="139.535800"><name>鎌倉大仏</name></wpt>
  <wpt lat="35.232000" lon="139.106300"><name>道の駅 箱根峠</name></wpt>
  <wpt lat="35.395000" lon="138.733000"><name>富士山 🗻 五合目</name></wpt>
  <wpt lat="35.628000" lon="139.738000"><name>Café Mirabelle</name></wpt>
  <wpt lat="" lon="139.700000"><name>どこかの駐車場</name></wpt>
</gpx>
EOF

# The driver presses 変換, sets the window's size and tells where it is drawn.
geometry_file=$session/review-geometry
PINMOVER_WINE_SESSION=$session scripts/wine-run.sh "$driver" --pose-review "$PWD/$program" \
  "$places" >"$geometry_file" 2>&1 &
runner=$!
geometry=
for _ in $(seq 300); do
  geometry=$(grep -m1 -oE '^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' "$geometry_file" || true)
  [[ -n $geometry ]] && break
  sleep 0.1
done
if [[ -z $geometry ]]; then
  echo "screenshot: the point list window did not appear" >&2
  cat "$geometry_file" >&2
  kill "$runner" 2>/dev/null || true
  exit 1
fi

import -window root -crop "$geometry" +repage "$review_output"
kill "$runner" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
echo "screenshot: $review_output"
