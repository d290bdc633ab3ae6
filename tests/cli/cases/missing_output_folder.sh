cp "$EXAMPLES/tour.pmf" tour.pmf
"$CLI" convert -o no/such/tour.pnt tour.pmf
