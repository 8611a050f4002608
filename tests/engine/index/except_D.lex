facile
rapide
facile
