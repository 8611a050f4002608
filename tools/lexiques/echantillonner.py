#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the fixed sample of reference forms used by the lexicon regression
test: every form of the common adjectives, then forms drawn with a fixed seed
until the sample holds --taille forms; with --garder, the forms of the
current sample that the reference still has, with their analyses brought up
to date, and no others. UTF-8 TSV:
    forme  lemme  genre  nombre  courant(1/0)
A form with several analyses has one line per analysis.

Usage: echantillonner.py [--taille N | --garder] [-o FILE]
"""

import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference as ref  # noqa: E402

SORTIE = os.path.join(ref.RACINE, "tests", "lexiques", "echantillon.tsv")
GRAINE = 1252


def formes_de(chemin):
    """The forms of an existing sample."""
    with open(chemin, encoding="utf-8") as f:
        return {l.split("\t")[0] for l in f if not l.startswith("#") and l.strip()}


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--taille", type=int, default=6000)
    p.add_argument("--garder", action="store_true",
                   help="keep the forms of the current sample, not a new draw")
    p.add_argument("-o", "--sortie", default=SORTIE)
    a = p.parse_args()
    formes = ref.lire_reference()
    courants = set(ref.lire_courants())
    mots = sorted(formes)
    choisis = {f for f in mots if any(l.lemme in courants for l in formes[f])}
    if a.garder:
        choisis.update(f for f in formes_de(a.sortie) if f in formes)
    else:
        reste = [f for f in mots if f not in choisis]
        random.Random(GRAINE).shuffle(reste)
        choisis.update(reste[: max(0, a.taille - len(choisis))])
    with open(a.sortie, "w", encoding="utf-8", newline="\n") as f:
        f.write("# Sample of the reference of adjective forms (tools/lexiques/echantillonner.py)\n")
        f.write("# forme\tlemme\tgenre\tnombre\tcourant\n")
        for forme in sorted(choisis):
            for l in formes[forme]:
                courant = 1 if any(x.lemme in courants for x in formes[forme]) else 0
                f.write(f"{forme}\t{l.lemme}\t{l.genre}\t{l.nombre}\t{courant}\n")
    print(f"{len(choisis)} formes -> {a.sortie}", file=sys.stderr)


if __name__ == "__main__":
    main()
