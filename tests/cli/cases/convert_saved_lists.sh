# Google's saved places and saved lists as Takeout exports them: places kept without a position
# take their link's, or are told of with what finds them again; a list of places only is
# refused with the way to get their positions.
fixtures=$(dirname "$0")/../../formats/fixtures
cp "$fixtures/saved_places_takeout.json" "Saved Places.json"
cp "$fixtures/saved_list_takeout.csv" "Want to go.csv"
cp "$fixtures/saved_list_places_only.csv" Favourites.csv
"$CLI" convert "Saved Places.json"
"$CLI" convert "Want to go.csv"
"$CLI" dump "Want to go.pnt" | cut -d' ' -f1-3
"$CLI" convert Favourites.csv
