bel beau
fol fou
mol mou
nouvel nouveau
vieil vieux
