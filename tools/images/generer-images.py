#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the window's pictures as XPM files into ui/images/.

Each tool bar picture is 40 x 20: the 20 x 20 normal image on the left and its
embossed disabled copy on the right, on an olive (132, 130, 0) background that
the window treats as transparent. The application icon is 32 x 32, black and
yellow on a transparent background.

Run from anywhere:  python3 tools/images/generer-images.py
"""
import sys
from pathlib import Path

OLIVE = (132, 130, 0)
GRIS_FONCE = (132, 130, 132)
BLANC = (255, 255, 255)

# One letter per pixel; '.' is the olive background.
COULEURS = {
    ".": OLIVE,
    "k": (0, 0, 0),
    "w": BLANC,
    "g": (198, 195, 198),
    "d": GRIS_FONCE,
    "r": (255, 0, 0),
    "c": (0, 255, 255),
    "t": (0, 130, 132),
    "b": (0, 0, 132),
    "y": (255, 255, 0),
}

IMPRIMER = [
    "....................",
    "......kkkkkkkk......",
    "......kwwwwwwk......",
    "......kwkkkkwk......",
    "......kwwwwwwk......",
    "......kwkkkkwk......",
    "......kwwwwwwk......",
    "......kwkkkwwk......",
    "...kkkkwwwwwwkkkk...",
    "..kgggggggggggggdk..",
    ".kgggggggggggggggdk.",
    ".kggggggggggggrrgdk.",
    ".kgggggggggggggggdk.",
    ".kddddddddddddddddk.",
    ".kkkkkkkkkkkkkkkkkk.",
    "....................",
    "....................",
    "....................",
    "....................",
    "....................",
]

AIDE = [
    "....................",
    "......ccccccc.......",
    ".....cttttttttb.....",
    "....ctttbbbbtttb....",
    "....cttb....cttb....",
    ".....bb.....cttb....",
    "...........cttb.....",
    "..........cttb......",
    ".........cttb.......",
    "........cttb........",
    "........cttb........",
    "........cttb........",
    ".........bb.........",
    "....................",
    "........ccc.........",
    "........cttb........",
    "........cttb........",
    ".........bb.........",
    "....................",
    "....................",
]

APROPOS = [
    "....................",
    "...........kkk......",
    "..........kwwdk.....",
    "..........kwddk.....",
    "...........kkk......",
    "....................",
    ".......kkkkk........",
    "......kwwwwdk.......",
    ".......kkwwdk.......",
    "........kwwdk.......",
    "........kwwdk.......",
    ".......kwwdk........",
    ".......kwwdk........",
    "......kwwdk.........",
    "......kwwdk.........",
    ".....kwwdk....kk....",
    ".....kwwdk...kwdk...",
    ".....kwwwdkkkwdk....",
    "......kwwwwwwdk.....",
    ".......kkkkkkk......",
]

ICONE = [
    "................................",
    "...........................kk...",
    "........................kkkkk...",
    "....................kkkkkkk.....",
    ".................kkkkkkkk.......",
    "..............kkkkkkkk..........",
    "...........kkkkkkkk.............",
    "........kkkkkkkk................",
    "......kkkkkkk...................",
    "....kkkkkk......................",
    "...kkkkk........................",
    "..kkkk..........................",
    "..kkk..............yyyyyy.......",
    ".kkk.............yyyyyyyyyy.....",
    ".kk.............yyy..yyyyyyy....",
    ".kk............yyyyyyyyy..yyy...",
    ".k.............yy..yyyyyyyyyy...",
    "..............yyyyyyyy..yyyyyy..",
    "..............yyyyyyyyyyyyyyyy..",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "....................yyyy........",
    "...................yyyyyy.......",
    "..................yyyyyyyy......",
    "................................",
    "................................",
]


def verifier(nom, lignes, taille):
    """Stops on a grid that is not `taille` lines of `taille` known colours."""
    if len(lignes) != taille:
        sys.exit(f"{nom}: {len(lignes)} lines")
    for i, ligne in enumerate(lignes):
        if len(ligne) != taille:
            sys.exit(f"{nom}, line {i}: {len(ligne)} pixels")
        if not set(ligne) <= COULEURS.keys():
            sys.exit(f"{nom}, line {i}: unknown colour")


def desactivee(lignes):
    """Embossed copy: ink pixels in dark grey over a white copy shifted by one."""
    taille = len(lignes)
    sortie = [[OLIVE] * taille for _ in range(taille)]
    encre = [[c != "." and sum(COULEURS[c]) < 3 * 192 for c in ligne] for ligne in lignes]
    for y in range(taille):
        for x in range(taille):
            if encre[y][x] and x + 1 < taille and y + 1 < taille:
                sortie[y + 1][x + 1] = BLANC
    for y in range(taille):
        for x in range(taille):
            if encre[y][x]:
                sortie[y][x] = GRIS_FONCE
    return sortie


def ecrire_xpm(chemin, nom, pixels, transparent=None):
    palette = {}
    for ligne in pixels:
        for rgb in ligne:
            palette.setdefault(rgb, chr(ord("a") + len(palette)))
    hauteur, largeur = len(pixels), len(pixels[0])
    texte = ["/* XPM */", f"static const char* const {nom}[] = {{",
             f'"{largeur} {hauteur} {len(palette)} 1",']
    for rgb, lettre in palette.items():
        valeur = "None" if rgb == transparent else "#%02X%02X%02X" % rgb
        texte.append(f'"{lettre} c {valeur}",')
    for i, ligne in enumerate(pixels):
        fin = "," if i + 1 < hauteur else ""
        texte.append('"' + "".join(palette[rgb] for rgb in ligne) + '"' + fin)
    texte.append("};")
    chemin.write_text("\n".join(texte) + "\n")


def bouton(lignes):
    normale = [[COULEURS[c] for c in ligne] for ligne in lignes]
    grise = desactivee(lignes)
    return [n + g for n, g in zip(normale, grise)]


def main():
    sortie = Path(__file__).resolve().parents[2] / "ui" / "images"
    sortie.mkdir(parents=True, exist_ok=True)
    for nom, lignes in (("imprimer", IMPRIMER), ("aide", AIDE), ("apropos", APROPOS)):
        verifier(nom, lignes, 20)
        ecrire_xpm(sortie / f"{nom}.xpm", f"{nom}_xpm", bouton(lignes))
    verifier("icone", ICONE, 32)
    ecrire_xpm(sortie / "adjora.xpm", "adjora_xpm",
               [[COULEURS[c] for c in ligne] for ligne in ICONE], transparent=OLIVE)


if __name__ == "__main__":
    main()
