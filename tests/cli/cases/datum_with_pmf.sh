"$CLI" convert --datum wgs84 -o tour.pnt "$EXAMPLES/tour.pmf"
status=$?
ls
exit $status
