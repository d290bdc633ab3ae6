printf '#a\n' > list.txt
"$CLI" convert list.txt
