cp "$EXAMPLES/tour.pmf" tour.pmf
"$CLI" convert --icon 181 tour.pmf 2>/dev/null
"$CLI" convert --voice 17 tour.pmf 2>/dev/null
echo "second status $?"
