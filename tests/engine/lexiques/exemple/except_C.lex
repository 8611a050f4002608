blanche blanc
