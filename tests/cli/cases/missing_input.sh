"$CLI" convert gone.pmf
