# Names from a shared file that a spreadsheet would take as formulas are exported with a leading
# apostrophe, and the same names come back when the export is converted again.
cat >forum.csv <<'LIST'
name,lat,lon
"=HYPERLINK(""http://x/"")",35.65,139.74
@SUM(1+1),35.71,139.81
+1,34.68,135.52
-2 km,35.01,135.76
Plain,43.06,141.35
LIST
"$CLI" convert -o shared.pnt forum.csv
"$CLI" export --format csv shared.pnt
tr -d '\r' <shared.csv | cut -d, -f1
"$CLI" convert -o back.pnt shared.csv
"$CLI" dump back.pnt | tail -n +2 | sed -E 's/  (緯度|経度).*//'
