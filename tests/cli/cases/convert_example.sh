"$CLI" convert --icon 7 --voice 2 -o tour.pnt "$EXAMPLES/tour.pmf" | sed "s|$EXAMPLES|EXAMPLES|"
"$CLI" dump --json tour.pnt | sed -E 's/"created": "[0-9T:-]+"/"created": "TIME"/; s/"checksum": [0-9]+/"checksum": SUM/' | grep -E '"(size|header|header_ok|name|icon|voice_code|created|checksum|checksum_ok|longitude_units)"|problems'
