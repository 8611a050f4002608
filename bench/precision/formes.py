#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Accuracy of adjora-cli --formes over the reference lemmas, and the round
trip of its forms through the analysis.

- Paradigms fully right (every cell equal, as a set of forms, to the
  reference's; see generer_paradigmes.py for how a cell is judged): with the
  shipped lexicons, over the common adjectives and over every lemma; with the
  rules alone (an empty paradigm file); and on held-out lemmas: the lemmas are
  split in FOLDS parts, and each part is measured with a paradigm file
  generated from the other parts only.
- Round trip: every form the shipped data give for every lemma, analysed by
  adjora-cli, must give back the lemma and, where the analysis settles them,
  the gender and number of its cell; and adjora-cli --formes on that form must
  give back the same lemma. Disagreements are counted by cause, with examples.

Usage: formes.py [--cli PATH] [--plis N]
"""

import argparse
import collections
import os
import random
import sys
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(ICI)), "tools", "lexiques"))
import generer_paradigmes as gp  # noqa: E402
import reference as ref  # noqa: E402

DONNEES = os.path.join(ref.RACINE, "data")
GENRE_CASE = {"ms": "m", "fs": "f", "mp": "m", "fp": "f"}
NOMBRE_CASE = {"ms": "s", "fs": "s", "mp": "p", "fp": "p"}


def taux(justes, total):
    return f"{justes}/{total} = {100 * justes / total:.2f} %" if total else "aucun"


def justes(lemmes, resultats, cellules, types):
    faux = [l for l in lemmes
            if not gp.juste(resultats[l][1], gp.attendus(l, cellules[l], types[l]))]
    return len(lemmes) - len(faux), faux


def mesurer_avec(lemmes, paradigmes, cellules, types, cli):
    with tempfile.TemporaryDirectory(prefix="adjora-formes-") as dossier:
        gp.dossier_lexiques(dossier, DONNEES, paradigmes)
        return justes(lemmes, gp.formes_cli(lemmes, dossier, cli), cellules, types)


def tenus_a_part(lemmes, plis, cellules, types, cli):
    """Held-out accuracy: each part measured with a file generated without it."""
    melanges = list(lemmes)
    random.Random(23).shuffle(melanges)
    total, faux = 0, []
    for i in range(plis):
        part = melanges[i::plis]
        autres = set(melanges) - set(part)
        paradigmes, _, _ = gp.generer(sorted(autres), cellules, types, DONNEES, cli)
        n, f = mesurer_avec(part, paradigmes, cellules, types, cli)
        total += n
        faux += f
    return total, faux


def aller_retour(lemmes, cli):
    """Round trip of every form of the shipped data; disagreements by cause."""
    resultats = gp.formes_cli(lemmes, DONNEES, cli)
    formes = collections.defaultdict(set)  # form -> {(lemma, cell)}
    for lemme in lemmes:
        for c, liste in resultats[lemme][1].items():
            for f in liste:
                formes[f].add((resultats[lemme][0], c))
    mots = sorted(formes)
    analyses = ref.analyser(mots, DONNEES, cli)
    retours = gp.formes_cli(mots, DONNEES, cli)
    causes = collections.defaultdict(list)
    n = 0
    for f in mots:
        for lemme, c in sorted(formes[f]):
            n += 1
            r = analyses[f]
            if r.lemme != lemme and not any(l == r.lemme for l, _ in formes[f]):
                causes[("analyse : autre lemme", cause_lemme(f, lemme, r))].append(f"{f}→{r.lemme} ({lemme})")
            elif r.lemme == lemme and r.genre in "mf" and r.genre != GENRE_CASE[c]:
                causes[("analyse : genre contraire", c)].append(f"{f} ({lemme} {c}) : {r.genre}")
            elif r.lemme == lemme and r.nombre in "sp" and r.nombre != NOMBRE_CASE[c]:
                causes[("analyse : nombre contraire", c)].append(f"{f} ({lemme} {c}) : {r.nombre}")
            if retours[f][0] != lemme and not any(l == retours[f][0] for l, _ in formes[f]):
                causes[("--formes : autre lemme", "")].append(f"{f}→{retours[f][0]} ({lemme})")
    return n, causes


def cause_lemme(forme, lemme, r):
    """A short name for why the analysis missed the lemma."""
    if "'e' final" in r.explication and "géminée" in r.explication:
        return "consonne doublée ôtée"
    if "terminé par 'e'" in r.explication and "aucune règle" in r.explication:
        return "finale en e sans règle"
    if "'teuse' ou 'trice'" in r.explication:
        return "trice"
    if "'euse'" in r.explication:
        return "euse"
    if "'aux'" in r.explication:
        return "aux pris pour al"
    if "n'est pas terminé par 'e'" in r.explication:
        return "forme sans e prise pour un masculin"
    return "règle générale ou liste"


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--cli", default=None)
    p.add_argument("--plis", type=int, default=5)
    a = p.parse_args()
    cli = a.cli or ref.trouver_cli()
    cellules, types = gp.lire_paradigmes()
    lemmes = sorted(cellules, key=ref.cle_tri)
    courants = [l for l in ref.lire_courants() if l in cellules]
    livres = gp.formes_cli(lemmes, DONNEES, cli)
    n, faux = justes(courants, livres, cellules, types)
    print(f"Adjectifs courants, données livrées : {taux(n, len(courants))} ; faux : {' '.join(faux)}")
    n, faux = justes(lemmes, livres, cellules, types)
    print(f"Tous les lemmes, données livrées : {taux(n, len(lemmes))} ; faux : {' '.join(faux[:30])}")
    n, _ = mesurer_avec(courants, {}, cellules, types, cli)
    print(f"Adjectifs courants, règles seules : {taux(n, len(courants))}")
    n, faux = mesurer_avec(lemmes, {}, cellules, types, cli)
    print(f"Tous les lemmes, règles seules : {taux(n, len(lemmes))}")
    n, faux = tenus_a_part(lemmes, a.plis, cellules, types, cli)
    print(f"Lemmes tenus à part ({a.plis} plis) : {taux(n, len(lemmes))} ; "
          f"exemples de faux : {' '.join(faux[:30])}")
    total, causes = aller_retour(lemmes, cli)
    desaccords = sum(len(v) for (k, _), v in causes.items() if k.startswith("analyse"))
    print(f"\nAller-retour : {total} formes ; l'analyse en contredit {desaccords} "
          f"({100 * desaccords / total:.2f} %)")
    for (quoi, detail), exemples in sorted(causes.items(), key=lambda e: -len(e[1])):
        print(f"  {len(exemples):6d}  {quoi} {detail} : {' '.join(exemples[:8])}")


if __name__ == "__main__":
    main()
