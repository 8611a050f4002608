nouvel	nouveau  vieil

vieux
