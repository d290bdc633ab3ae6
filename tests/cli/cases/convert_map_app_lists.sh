# A GPX list in both datums, then a KMZ cut short, which is refused with what to do.
"$CLI" convert --icon 12 -o drive.pnt "$EXAMPLES/drive.gpx"
"$CLI" convert --datum wgs84 -o drive-wgs84.pnt "$EXAMPLES/drive.gpx"
"$CLI" dump drive.pnt | sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}/TIME/'
"$CLI" dump drive-wgs84.pnt | sed -n 2p | sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}/TIME/'
printf 'PK\003\004' > places.kmz
"$CLI" convert places.kmz
