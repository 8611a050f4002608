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
    """Round trip of every form of the shipped data: the number of (form,
    cell) pairs, the disagreements by cause, and the lemmas that have none."""
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
    n, desaccords = 0, set()
    for f in mots:
        for lemme, c in sorted(formes[f]):
            n += 1
            r = analyses[f]
            avant = sum(map(len, causes.values()))
            if r.lemme != lemme and any(l == r.lemme for l, _ in formes[f]):
                causes[("analyse : homographe", "")].append(f"{f}→{r.lemme} ({lemme})")
            elif r.lemme != lemme:
                causes[("analyse : autre lemme", cause_lemme(r))].append(f"{f}→{r.lemme} ({lemme})")
            elif r.genre in "mf" and r.genre != GENRE_CASE[c]:
                causes[("analyse : genre contraire", c)].append(f"{f} ({lemme} {c}) : {r.genre}")
            elif r.nombre in "sp" and r.nombre != NOMBRE_CASE[c]:
                causes[("analyse : nombre contraire", c)].append(f"{f} ({lemme} {c}) : {r.nombre}")
            if retours[f][0] != lemme:
                homographe = any(l == retours[f][0] for l, _ in formes[f])
                causes[("--formes : " + ("homographe" if homographe else "autre lemme"), "")].append(
                    f"{f}→{retours[f][0]} ({lemme})")
            if sum(map(len, causes.values())) > avant:
                desaccords.add(lemme)
    return n, causes, [l for l in lemmes if resultats[l][0] == l and l not in desaccords]


def cause_lemme(r):
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
    p.add_argument("--echantillon", type=int, default=0,
                   help="also write a round-trip sample of N lemmas (beside the common ones)")
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
    total, causes, accords = aller_retour(lemmes, cli)
    for quoi in ("analyse", "--formes"):
        n = sum(len(v) for (k, _), v in causes.items() if k.startswith(quoi))
        print(f"\nAller-retour par {quoi} : {total} formes (forme, case) ; {n} désaccords "
              f"({100 * n / total:.2f} %)")
        for (cle, detail), exemples in sorted(causes.items(), key=lambda e: -len(e[1])):
            if cle.startswith(quoi):
                print(f"  {len(exemples):6d}  {cle} {detail} : {' '.join(exemples[:8])}")
    if a.echantillon:
        ecrire_echantillon(accords, courants, a.echantillon)


def ecrire_echantillon(accords, courants, n):
    """Writes the round-trip sample of tests/engine: the common adjectives and
    n other lemmas, all of whose forms lead back to them."""
    autres = sorted(set(accords) - set(courants))
    random.Random(23).shuffle(autres)
    choix = [l for l in courants if l in set(accords)] + sorted(autres[:n], key=ref.cle_tri)
    chemin = os.path.join(ref.RACINE, "tests", "engine", "aller-retour.tsv")
    with open(chemin, "w", encoding="utf-8") as f:
        f.write("# Lemmas all of whose forms, shipped data loaded, lead back to them through the\n"
                "# analysis and the inflection (written by bench/precision/formes.py --echantillon).\n")
        f.write("".join(l + "\n" for l in choix))
    print(f"{len(choix)} lemmes dans {chemin}")


if __name__ == "__main__":
    main()
