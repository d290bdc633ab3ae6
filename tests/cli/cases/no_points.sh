printf 'only a comment\r\n\r\n' > empty.pmf
"$CLI" convert empty.pmf; status=$?
ls; exit $status
