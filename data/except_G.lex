carotide carotide
froide froid
laide laid
