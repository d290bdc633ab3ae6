cp "$EXAMPLES/tour.pmf" tour.pmf
"$CLI" convert --icon 181 tour.pmf 2>/dev/null; echo "icon 181: $?"
"$CLI" convert --icon 0 tour.pmf 2>/dev/null; echo "icon 0: $?"
"$CLI" convert --voice 17 tour.pmf 2>/dev/null; echo "voice 17: $?"
ls
