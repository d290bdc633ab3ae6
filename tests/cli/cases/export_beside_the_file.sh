# The format comes from --format, else from the output's extension, else GPX; without -o the
# export goes beside the point file.
"$CLI" convert -o tour.pnt "$EXAMPLES/tour.pmf" > /dev/null
"$CLI" export tour.pnt
"$CLI" export -o map.KML tour.pnt
"$CLI" export --format csv tour.pnt
grep -c '<wpt ' tour.gpx
grep -c '<Placemark>' map.KML
tr -d '\r' < tour.csv | head -n 2 | sed -E 's/[0-9:-]+T[0-9:]+$/TIME/'
