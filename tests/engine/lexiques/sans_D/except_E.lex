nouvel nouveau
