# Several lists onto one card: a .pmf list and a GPX into one file, then the GPX added again
# (its places are there already), an edited export added with its own icons, and the runs that
# cannot be made: several inputs without -o, --append with --split, the card among the inputs,
# --datum where no list takes it, and a damaged card, which stays as it was.
cp "$EXAMPLES/tour.pmf" "$EXAMPLES/drive.gpx" .
status() { echo "exit $?"; }
"$CLI" convert tour.pmf drive.gpx; status
"$CLI" convert -o card.pnt tour.pmf drive.gpx; status
"$CLI" convert --append -o card.pnt drive.gpx; status
printf 'name,lat,lon,icon,voice\r\nSea view,35.30,139.48,42,13\r\nFerry,35.31,139.49,181,\r\n' >edited.csv
"$CLI" convert --append -o card.pnt edited.csv; status
"$CLI" dump card.pnt | tail -n 3 | sed -E 's/  経度.*(アイコン)/  \1/; s/  [0-9]{4}-.*//' 
"$CLI" convert --append --split -o card.pnt drive.gpx; status
"$CLI" convert --append -o card.pnt drive.gpx card.pnt; status
"$CLI" convert card.pnt; status
"$CLI" convert --datum wgs84 -o other.pnt tour.pmf card.pnt; status
printf 'X' | dd of=card.pnt bs=1 seek=400 conv=notrunc status=none
cp card.pnt damaged.pnt
"$CLI" convert --append -o card.pnt drive.gpx; status
cmp card.pnt damaged.pnt && echo "the damaged card is untouched"
