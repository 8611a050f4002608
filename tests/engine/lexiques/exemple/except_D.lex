facile
