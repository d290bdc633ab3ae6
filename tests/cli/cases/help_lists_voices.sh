"$CLI" --help | grep -E '^ +(0|16) '
