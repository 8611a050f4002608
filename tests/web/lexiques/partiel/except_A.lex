gris
