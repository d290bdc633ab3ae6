# A point file with a changed coordinate and a name pair outside JIS X 0208 is exported all the
# same, with dump's words for its problems, and fails so that scripts notice.
set -o pipefail
"$CLI" convert --icon 7 --voice 2 -o tour.pnt "$EXAMPLES/tour.pmf" > /dev/null
printf '\x01' | dd of=tour.pnt bs=1 seek=$((48 + 256 + 7)) conv=notrunc 2> /dev/null
printf '\x2d\x21' | dd of=tour.pnt bs=1 seek=$((48 + 512 + 12)) conv=notrunc 2> /dev/null
"$CLI" export --format geojson --datum wgs84 -o - tour.pnt | sed -E 's/"created": "[0-9T:-]+"/"created": "TIME"/'
