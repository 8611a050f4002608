nouvel nouveau
vieil vieux
nouvel neuf
