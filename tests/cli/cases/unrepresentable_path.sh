"$CLI" convert "smile-😀.pmf"
