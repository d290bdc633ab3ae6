"$CLI" dump nothing.pnt
