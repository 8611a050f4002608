gris
epais
gris
