{ echo 'name,lat,lon'; for i in $(seq 1 450); do echo "P$i,35.$i,139.5"; done; } > many.csv
"$CLI" convert many.csv
"$CLI" convert --split many.csv
ls
"$CLI" dump many-3.pnt | head -n 2 | cut -c1-40
