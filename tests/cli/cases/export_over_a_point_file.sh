# Text written over a point file would leave the unit nothing to load.
"$CLI" convert -o tour.pnt "$EXAMPLES/tour.pmf" > /dev/null
"$CLI" export -o copy.pnt tour.pnt
