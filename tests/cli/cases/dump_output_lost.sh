# A dump that cannot be written out fails instead of passing for a whole one.
"$CLI" convert -o tour.pnt "$EXAMPLES/tour.pmf" > /dev/null
"$CLI" dump --json tour.pnt > /dev/full
