# Control characters in a point file's text reach the terminal only as escapes: those of a
# converted list's names, and a window title sequence written into the header by hand.
printf '#1#a#b#13712345#3539276#c#d#e#f#g#h#i#bell\a clear\033[2J\n' > control.pmf
"$CLI" convert -o control.pnt control.pmf > /dev/null
printf 'Title\033]0;owned\a' | dd of=control.pnt conv=notrunc status=none
"$CLI" dump control.pnt | sed -E 's/  経度.*//'
