#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Derives the eight exception lexicons (except_A.lex ... except_H.lex) from
the reference of adjective forms.

The engine stays the judge: the generator runs adjora-cli over the whole
reference, proposes for every wrong answer the one entry whose role fits the
form (an invariable word for H, a masculine whose final s is its own for A,
a feminine the rules cannot undo for C, ...), reruns the engine, and keeps an
entry only when the answers it decides are better than without it. It
repeats until nothing changes, then writes the files and a summary.

Usage: generer_lexiques.py [--sortie DIR] [--cli PATH] [--reference FILE]
"""

import argparse
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference as ref  # noqa: E402

TOURS_MAX = 8

# Explanation fragments naming the lexicon that gave the answer.
MARQUES = {
    "H": "invariable en genre et en nombre",
    "A": "fait partie intrégrante",
    "B": "(liste d'exceptions B)",
    "E": "commence par une voyelle",
    "G": "fait partie de la liste d'exceptions G",
    "C": "(liste C)",
    "D": "(liste D)",
}
PLURIEL_S = "Le 's' final est ici la marque du pluriel."


def cle_genre(forme, r):
    """The word the gender stage looked up: the singular after a plural s."""
    return forme[:-1] if r.explication.startswith(PLURIEL_S) else forme


def singulier(forme):
    return forme[:-1] if forme.endswith("s") else forme


def feminins_en_le(formes):
    """(form, lemma) of the masculines used before a vowel: those whose
    feminine singular is the form followed by "le" (bel belle, vieil vieille)."""
    paires = set()
    for forme, lignes in formes.items():
        if forme.endswith("le"):
            for l in lignes:
                if l.genre == "f" and l.nombre in "si":
                    paires.add((forme[:-2], l.lemme))
    return paires


def proposer(forme, cible, devant_voyelle=frozenset()):
    """The one entry (list, key, lemma) whose role fits this analysis, or
    None with the reason why no lexicon can hold it. `devant_voyelle` holds
    the (form, lemma) pairs of the masculines used before a vowel."""
    L, g, n = cible.lemme, cible.genre, cible.nombre
    if L == forme and g == "e" and n == "i":
        return ("H", forme, None), None
    if forme.endswith("s") and L == forme and g == "m":
        return ("A", forme, None), None
    if forme.endswith(("eaux", "aux")):
        return None, "finale -aux/-eaux prise par la règle"
    if forme.endswith("x"):
        if L == forme[:-1] and g == "m" and n == "p":
            return ("B", forme, None), None
        return None, "finale -x hors des listes"
    cle = singulier(forme)
    if not cle.endswith("e"):
        if g == "m" and L != cle and (cle, L) in devant_voyelle:
            return ("E", cle, L), None
        if g == "f":
            return None, "féminin sans -e final"
        if g == "e":
            return None, "épicène sans -e final (toujours masculin)"
        return None, "masculin non réductible"
    if cle.endswith("euse"):
        if g != "e" and L == cle[:-4] + "eur":
            return ("F", cle, None), None
        return None, "-euse ni de -eur ni de -eux"
    if cle.endswith(("fère", "iste", "ide")):
        if g == "f":  # paired with itself when the adjective has no masculine
            return ("G", cle, L), None
        return None, "-fère/-iste/-ide épicène ou masculin"
    if g == "f":  # paired with itself when the adjective has no masculine
        return ("C", cle, L), None
    if L == cle and g in ("e", "m"):
        return ("D", cle, None), None
    return None, "épicène en -e au lemme différent"


def valider(entree):
    lettre, cle, lemme = entree
    if not ref.ecrivable(cle) or (lemme is not None and not ref.ecrivable(lemme)):
        return "mot non écrivable dans un lexique"
    return None


def entree_appliquee(forme, r, lexiques):
    """The (list, key) that decided this answer, or None for the rules alone."""
    for lettre, marque in MARQUES.items():
        if marque in r.explication:
            cle = forme if lettre in "HAB" else cle_genre(forme, r)
            if cle in lexiques[lettre]:
                return lettre, cle
    cle = cle_genre(forme, r)
    if cle.endswith("euse") and cle in lexiques["F"] and r.lemme.endswith("eur"):
        return "F", cle
    return None


class Generateur:
    def __init__(self, formes, cli, journal):
        self.formes = formes
        self.mots = sorted(formes)
        self.cli = cli
        self.journal = journal
        self.lexiques = {l: {} for l in ref.LISTES}
        self.rejetees = set()
        self.raisons = {}
        self.devant_voyelle = feminins_en_le(formes)

    def executer(self):
        return ref.analyser_avec(self.mots, self.lexiques, self.cli)

    def noter(self, resultats):
        return {f: ref.noter(self.formes[f], resultats[f]) for f in self.mots}

    def proposer_tout(self, notes):
        """Adds one entry for each wrong answer; returns the count added."""
        ajouts = collections.defaultdict(collections.Counter)
        for f in self.mots:
            note, cible = notes[f]
            if all(note):
                continue
            entree, raison = proposer(f, cible, self.devant_voyelle)
            if entree:
                raison = valider(entree)
            if raison:
                self.raisons[f] = raison
                continue
            lettre, cle, lemme = entree
            if (lettre, cle) in self.rejetees or cle in self.lexiques[lettre]:
                continue
            ajouts[(lettre, cle)][lemme] += 1
        for (lettre, cle), lemmes in ajouts.items():
            self.lexiques[lettre][cle] = lemmes.most_common(1)[0][0]
        return len(ajouts)

    def elaguer(self, base, notes, resultats):
        """Removes the entries whose answers are not better than the rules'
        own; returns the count removed."""
        bilan = collections.Counter()
        for f in self.mots:
            qui = entree_appliquee(f, resultats[f], self.lexiques)
            if qui:
                bilan[qui] += ref.poids(notes[f][0]) - ref.poids(base[f][0])
        retraits = 0
        for lettre in ref.LISTES:
            for cle in list(self.lexiques[lettre]):
                if bilan[(lettre, cle)] <= 0:
                    del self.lexiques[lettre][cle]
                    self.rejetees.add((lettre, cle))
                    retraits += 1
        return retraits

    def lancer(self):
        base = self.noter(self.executer())
        self.base = base
        notes = base
        for tour in range(1, TOURS_MAX + 1):
            ajouts = self.proposer_tout(notes)
            resultats = self.executer()
            notes = self.noter(resultats)
            retraits = self.elaguer(base, notes, resultats)
            if retraits:
                resultats = self.executer()
                notes = self.noter(resultats)
            justes = sum(all(n) for n, _ in notes.values())
            self.journal(f"tour {tour}: +{ajouts} -{retraits} entrées, "
                         f"{justes}/{len(self.mots)} formes justes")
            if not ajouts and not retraits:
                break
        self.notes = notes
        return notes


def journal(message):
    print(message, file=sys.stderr)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--sortie", default=os.path.join(ref.RACINE, "data"))
    p.add_argument("--cli", default=None)
    p.add_argument("--reference", default=ref.REFERENCE)
    a = p.parse_args()
    formes = ref.lire_reference(a.reference)
    g = Generateur(formes, a.cli or ref.trouver_cli(), journal)
    notes = g.lancer()
    ref.ecrire_lexiques(a.sortie, g.lexiques)
    n = len(notes)
    for i, nom in enumerate(("lemme", "genre", "nombre")):
        justes = sum(v[0][i] for v in notes.values())
        journal(f"{nom}: {100 * justes / n:.2f} %")
    tailles = ", ".join(f"{l} {len(g.lexiques[l])}" for l in ref.LISTES)
    journal(f"entrées : {tailles}")
    if g.rejetees:
        journal("entrées écartées (pas meilleures que les règles) : "
                + ", ".join(f"{l}:{c}" for l, c in sorted(g.rejetees)))
    non_ecrivables = sum(1 for r in g.raisons.values() if r.startswith("mot non"))
    journal(f"formes fautives qu'aucun lexique ne peut corriger : {len(g.raisons)} "
            f"(dont {non_ecrivables} non écrivables)")


if __name__ == "__main__":
    main()
