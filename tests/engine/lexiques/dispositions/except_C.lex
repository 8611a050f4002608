verte vert
blanche BLANC
franche franc
blanche blanchi
