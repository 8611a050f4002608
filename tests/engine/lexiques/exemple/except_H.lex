marron
