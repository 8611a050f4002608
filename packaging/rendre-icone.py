#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Renders the application icon pixel map (a small XPM subset: one character
per pixel, colours as #RRGGBB or None) as a PNG, scaled by an integer factor,
or as a scalable SVG made of one square per pixel."""
import struct
import sys
import zlib


def lire_xpm(chemin):
    with open(chemin, encoding="ascii") as f:
        lignes = [l.split('"')[1] for l in f if l.lstrip().startswith('"')]
    largeur, hauteur, nb_couleurs, cpp = (int(v) for v in lignes[0].split())
    if cpp != 1:
        raise ValueError("one character per pixel expected")
    couleurs = {}
    for ligne in lignes[1:1 + nb_couleurs]:
        cle, _, valeur = ligne[0], ligne[2], ligne.split()[-1]
        couleurs[cle] = None if valeur.lower() == "none" else valeur.lstrip("#")
    pixels = lignes[1 + nb_couleurs:1 + nb_couleurs + hauteur]
    if len(pixels) != hauteur or any(len(p) != largeur for p in pixels):
        raise ValueError("pixel rows do not match the declared size")
    return largeur, hauteur, couleurs, pixels


def rgba(couleur):
    if couleur is None:
        return bytes(4)
    return bytes.fromhex(couleur) + b"\xff"


def morceau(genre, donnees):
    return (struct.pack(">I", len(donnees)) + genre + donnees
            + struct.pack(">I", zlib.crc32(genre + donnees) & 0xFFFFFFFF))


def ecrire_png(chemin, largeur, hauteur, couleurs, pixels, echelle):
    brut = bytearray()
    for rangee in pixels:
        ligne = b"".join(rgba(couleurs[c]) * echelle for c in rangee)
        for _ in range(echelle):
            brut += b"\x00" + ligne
    entete = struct.pack(">IIBBBBB", largeur * echelle, hauteur * echelle, 8, 6, 0, 0, 0)
    with open(chemin, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(morceau(b"IHDR", entete))
        f.write(morceau(b"IDAT", zlib.compress(bytes(brut), 9)))
        f.write(morceau(b"IEND", b""))


def ecrire_svg(chemin, largeur, hauteur, couleurs, pixels):
    carres = []
    for y, rangee in enumerate(pixels):
        x = 0
        while x < largeur:
            c = rangee[x]
            debut = x
            while x < largeur and rangee[x] == c:
                x += 1
            if couleurs[c] is not None:
                carres.append(f'<rect x="{debut}" y="{y}" width="{x - debut}" height="1" '
                              f'fill="#{couleurs[c]}"/>')
    with open(chemin, "w", encoding="ascii") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{largeur * 8}" '
                f'height="{hauteur * 8}" viewBox="0 0 {largeur} {hauteur}" '
                'shape-rendering="crispEdges">\n')
        f.write("\n".join(carres))
        f.write("\n</svg>\n")


def main():
    if len(sys.argv) != 4 or not (sys.argv[1] == "svg" or sys.argv[1].startswith("png")):
        sys.exit("usage: rendre-icone.py png[xN]|svg source.xpm sortie")
    forme, source, sortie = sys.argv[1:]
    largeur, hauteur, couleurs, pixels = lire_xpm(source)
    if forme == "svg":
        ecrire_svg(sortie, largeur, hauteur, couleurs, pixels)
    else:
        echelle = int(forme[4:]) if forme.startswith("pngx") else 1
        ecrire_png(sortie, largeur, hauteur, couleurs, pixels, echelle)


if __name__ == "__main__":
    main()
