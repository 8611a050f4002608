blanche blanc
verte
