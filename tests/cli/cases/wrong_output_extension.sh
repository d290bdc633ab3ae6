cp "$EXAMPLES/tour.pmf" tour.pmf
"$CLI" convert -o tour.dat tour.pmf; status=$?
ls; exit $status
