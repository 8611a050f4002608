#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes a synthetic CoNLL-U corpus for timing `adjora-cli --conllu`: sentences
of 8 to 30 words with comments, multiword tokens ("du", "au"), and one
adjective in about twelve words, taken from bench/mots.txt. Deterministic.
Usage: bench/generer_conllu.py [TOKENS (1000000)] > corpus.conllu
Then:  time build/cli/adjora-cli --conllu --lexiques data < corpus.conllu > /dev/null"""

import pathlib
import random
import sys

NOMS = "maison chat table route ville arbre livre porte ciel jour pays main rue mer".split()
VERBES = "voit mange prend aime garde ouvre regarde cherche trouve".split()
DETS = [("le", "Definite=Def|Gender=Masc|Number=Sing|PronType=Art"),
        ("la", "Definite=Def|Gender=Fem|Number=Sing|PronType=Art"),
        ("les", "Definite=Def|Number=Plur|PronType=Art"),
        ("un", "Definite=Ind|Gender=Masc|Number=Sing|PronType=Art")]


def ligne(*colonnes):
    return "\t".join(colonnes) + "\n"


def phrase(hasard, numero, adjectifs, reste):
    lignes = [f"# sent_id = {numero}\n", f"# text = phrase {numero}\n"]
    taille = min(reste, hasard.randint(8, 30))
    ident = 1
    while ident <= taille:
        tirage = hasard.random()
        if tirage < 0.08:
            forme = hasard.choice(adjectifs)
            lignes.append(ligne(str(ident), forme, "_", "ADJ", "_", "_", "1", "amod", "_", "_"))
        elif tirage < 0.12 and ident + 1 <= taille:
            lignes.append(ligne(f"{ident}-{ident + 1}", "du", "_", "_", "_", "_", "_", "_", "_", "_"))
            lignes.append(ligne(str(ident), "de", "de", "ADP", "_", "_", "1", "case", "_", "_"))
            ident += 1
            lignes.append(ligne(str(ident), "le", "le", "DET", "_", DETS[0][1], "1", "det", "_", "_"))
        elif tirage < 0.35:
            forme, traits = hasard.choice(DETS)
            lignes.append(ligne(str(ident), forme, forme, "DET", "_", traits, "1", "det", "_", "_"))
        elif tirage < 0.7:
            nom = hasard.choice(NOMS)
            lignes.append(ligne(str(ident), nom, nom, "NOUN", "_", "Number=Sing", "1", "nsubj", "_", "_"))
        else:
            verbe = hasard.choice(VERBES)
            lignes.append(ligne(str(ident), verbe, "_", "VERB", "_", "Mood=Ind", "0", "root", "_",
                                "SpaceAfter=No"))
        ident += 1
    return lignes, taille


def main():
    jetons = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    mots = (pathlib.Path(__file__).parent / "mots.txt").read_text(encoding="utf-8").split()
    hasard = random.Random(12)
    sortie = sys.stdout
    numero = 0
    while jetons > 0:
        numero += 1
        lignes, taille = phrase(hasard, numero, mots, jetons)
        sortie.writelines(lignes)
        sortie.write("\n")
        jetons -= taille


if __name__ == "__main__":
    main()
