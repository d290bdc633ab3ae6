cp "$EXAMPLES/tour.pmf" "地点.PMF"
"$CLI" convert "地点.PMF"
test "$(stat -c %s 地点.pnt)" = 64048 && echo "64048 bytes"
