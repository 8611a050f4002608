#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Derives the paradigm lexicon (data/paradigmes.lex) from the reference of
adjective forms: the four cells of every lemma whose forms adjora-cli
--formes does not give right without it, or one of whose forms it does not
lead back to that lemma, and of no other.

The engine is the judge, as for the eight lexicons: every reference lemma goes
through `adjora-cli --formes` with the shipped lexicons and an empty paradigm
file; a lemma is listed when one of its cells differs, as a set of forms, from
the reference. A cell is then compared with:
- the masculine singular: the reference's forms, the lemma always among them
  (the lemma is the masculine singular);
- any other cell: the reference's forms, empty included, except that a cell
  left empty for a lemma known only from the Lefff is a gap of that lexicon,
  not a missing form, and is not judged (the rules' forms are kept there).

Within a cell the main form comes first: a few hand-kept main forms
(PRINCIPALES), then the lemma itself where it stands in all four cells (the
invariable use, as in "des yeux marron"), then the forms the rules give, then
the others, the traditional spelling before its 1990 rectification (fraîche
before fraiche), then in dictionary order.

Usage: generer_paradigmes.py [--sortie FILE] [--cli PATH] [--lexiques DIR]
                             [--reference FILE]
"""

import argparse
import collections
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference as ref  # noqa: E402

CASES = ("ms", "fs", "mp", "fp")
# Main forms the order below would not put first: franc "frank" before
# "Frankish", the traditional feminines of malin, traître and esquimau, and
# the plurals in -als that usage prefers to -aux.
PRINCIPALES = {"franche", "franches", "maligne", "malignes", "traîtresse", "traîtresses",
               "traitresse", "traitresses", "esquimaude", "esquimaudes", "banals", "finals"}
MAX_FORMES = 4  # forms per cell the engine keeps
FICHIER = "paradigmes.lex"
# The cells a reference line fills, by its gender and its number.
GENRES_CASES = {"m": "m", "f": "f", "e": "mf"}
NOMBRES_CASES = {"s": "s", "p": "p", "i": "sp"}


def cellules_vides():
    return {c: set() for c in CASES}


def lire_paradigmes(chemin=ref.REFERENCE):
    """{lemma: {cell: set of forms}} and {lemma: set of source types}."""
    cellules = collections.defaultdict(cellules_vides)
    types = collections.defaultdict(set)
    for forme, lignes in ref.lire_reference(chemin).items():
        for l in lignes:
            for g in GENRES_CASES[l.genre]:
                for n in NOMBRES_CASES[l.nombre]:
                    cellules[l.lemme][g + n].add(forme)
            types[l.lemme] |= set(l.types)
    return dict(cellules), dict(types)


def attendus(lemme, cellules, types):
    """The cells a right answer holds: {cell: set, or None when not judged}."""
    lefff_seul = types <= set("LK")
    sortie = {}
    for c in CASES:
        formes = set(cellules[c])
        if c == "ms":
            formes.add(lemme)
        sortie[c] = None if (not formes and lefff_seul) else formes
    return sortie


def juste(obtenu, attendu):
    return all(attendu[c] is None or set(obtenu[c]) == attendu[c] for c in CASES)


def formes_cli(mots, dossier, cli=None):
    """Runs adjora-cli --formes over the words: {word: (lemma, {cell: [forms]})}."""
    resultats = {}
    for champs in ref.champs_cli(mots, dossier, ["--formes"], cli):
        cases = {c: [f for f in champs[2 + i].split("|") if f] for i, c in enumerate(CASES)}
        resultats[champs[0]] = (champs[1], cases)
    return resultats


def dossier_lexiques(destination, source, paradigmes):
    """Copies the eight lexicons of `source` into `destination` beside the
    given paradigm entries."""
    for l in ref.LISTES:
        chemin = os.path.join(source, f"except_{l}.lex")
        if os.path.exists(chemin):
            shutil.copy(chemin, destination)
    ecrire(os.path.join(destination, FICHIER), paradigmes)


def rectifie(forme):
    """The 1990 spelling of a traditional one (no circumflex on i and u, the
    diaeresis of "guë" on the u)."""
    return forme.replace("î", "i").replace("û", "u").replace("uë", "üe")


def ordonner(lemme, formes, deduites, invariable):
    """The forms of one cell, main form first (see the module's help)."""
    rectifiees = {f for f in formes if any(g != f and rectifie(g) == f for g in formes)}

    def cle(f):
        rang = 0 if f == lemme and invariable else 1 if f in deduites else 2
        return (f not in PRINCIPALES, rang, deduites.index(f) if f in deduites else 0,
                f in rectifiees, ref.cle_tri(f))
    return sorted(formes, key=cle)


def entree(lemme, attendu, deduit):
    """The four cells to write for a listed lemma."""
    formes = {c: deduit[c] if attendu[c] is None else attendu[c] for c in CASES}
    invariable = all(lemme in formes[c] for c in CASES)
    return {c: ordonner(lemme, formes[c], deduit[c], invariable) for c in CASES}


def ecrivable(cases):
    return all(len(formes) <= MAX_FORMES and all(ref.ecrivable(f) for f in formes)
               for formes in cases.values())


def ecrire(chemin, paradigmes):
    """One entry per line, code page 850: cells separated by "-", "--" at the end."""
    lignes = []
    for lemme in sorted(paradigmes, key=ref.cle_tri):
        cases = paradigmes[lemme]
        mots = [m for c in CASES for m in cases[c] + ["-"]]
        lignes.append(" ".join(mots[:-1] + ["--"]) + "\n")
    with open(chemin, "wb") as f:
        f.write("".join(lignes).encode("cp850"))


def egares(resultats, dossier, cli):
    """The lemmas one of whose forms leads adjora-cli --formes to a lemma that
    does not hold it."""
    lemmes_de = collections.defaultdict(set)
    for lemme, (_, cases) in resultats.items():
        for formes in cases.values():
            for f in formes:
                lemmes_de[f].add(lemme)
    retours = formes_cli(sorted(lemmes_de), dossier, cli)
    return {l for f, lemmes in lemmes_de.items() if retours[f][0] not in lemmes for l in lemmes}


def generer(lemmes, cellules, types, lexiques, cli=None):
    """The entries to list for `lemmes`, the lemmas no entry can hold, and the
    lemmas still wrong once listed. A lemma is listed when the rules give one
    of its cells wrong, or when one of its forms leads --formes elsewhere (the
    analysis misses it: aiguë, whose lemma the analysis takes to be aiguë)."""
    with tempfile.TemporaryDirectory(prefix="adjora-paradigmes-") as dossier:
        dossier_lexiques(dossier, lexiques, {})
        regles = formes_cli(lemmes, dossier, cli)
        paradigmes, refuses = {}, []
        a_lister = [l for l in lemmes
                    if not juste(regles[l][1], attendus(l, cellules[l], types[l]))]
        for _ in range(3):
            for lemme in a_lister:
                cases = entree(lemme, attendus(lemme, cellules[lemme], types[lemme]),
                               regles[lemme][1])
                if ecrivable(cases):
                    paradigmes[lemme] = cases
                elif lemme not in refuses:
                    refuses.append(lemme)
            dossier_lexiques(dossier, lexiques, paradigmes)
            apres = formes_cli(lemmes, dossier, cli)
            a_lister = sorted(egares(apres, dossier, cli) - set(paradigmes) - set(refuses))
            if not a_lister:
                break
    restes = [l for l in lemmes
              if not juste(apres[l][1], attendus(l, cellules[l], types[l])) and l not in refuses]
    restes = sorted(set(restes) | set(a_lister))  # the passes may end with some still astray
    return paradigmes, refuses, restes


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--sortie", default=os.path.join(ref.RACINE, "data", FICHIER))
    p.add_argument("--lexiques", default=os.path.join(ref.RACINE, "data"),
                   help="folder of the eight lexicons the analysis uses")
    p.add_argument("--reference", default=ref.REFERENCE)
    p.add_argument("--cli", default=None)
    a = p.parse_args()
    cellules, types = lire_paradigmes(a.reference)
    lemmes = sorted(cellules, key=ref.cle_tri)
    paradigmes, refuses, restes = generer(lemmes, cellules, types, a.lexiques, a.cli)
    ecrire(a.sortie, paradigmes)
    print(f"{len(lemmes)} lemmes, {len(paradigmes)} listés dans {a.sortie}")
    print(f"{len(refuses)} impossibles à écrire (lettres hors du lecteur, trop longs, "
          f"plus de {MAX_FORMES} formes par case) : {' '.join(refuses[:20])}")
    print(f"{len(restes)} encore faux une fois listés : {' '.join(restes[:20])}")


if __name__ == "__main__":
    main()
