# Maps as My Maps and Google Earth export them: a KMZ read whole, one cut short, and a map kept up
# to date, which is only a link.
fixtures=$(dirname "$0")/../../formats/fixtures
make_kmz=$(dirname "$0")/../make_kmz.py
printf '\x89PNG icon' > icon.png
"$make_kmz" drive.kmz images/icon-1.png=icon.png doc.kml="$fixtures/my_maps_doc.kml"
"$make_kmz" pier.kmz --stored files/= "Yokohama Pier.kml=$fixtures/google_earth_place.kml"
"$CLI" convert drive.kmz
"$CLI" convert --datum wgs84 pier.kmz
"$CLI" dump drive.pnt | cut -d' ' -f1-3
head -c 500 drive.kmz > cut.kmz
"$CLI" convert cut.kmz
cp "$fixtures/network_link.kml" live.kml
"$CLI" convert live.kml
ls
