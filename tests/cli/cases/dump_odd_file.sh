printf 'not a point file' > odd.pnt
"$CLI" dump --json odd.pnt
