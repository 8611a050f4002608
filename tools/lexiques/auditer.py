#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Audits the shipped lexicons against a second source, the Lefff.

For every entry of the eight files (what its list asserts: lemma, gender,
number) and for every reference form whose answer a list decides, checks
whether the Lefff adjective entries agree, and writes the disagreements
grouped by kind with counts. Common adjectives are listed in full with the
hand decision of corrections.tsv, if any.

Usage: auditer.py [--lexiques DIR] [--cli PATH] [-o FILE]
(run extraire_lefff.py first; auditer.sh does both)
"""

import argparse
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import extraire_lefff as lefff  # noqa: E402
import generer_lexiques as gen  # noqa: E402
import reference as ref  # noqa: E402

SORTIE = os.path.join(ref.ICI, "audit.txt")
CORRECTIONS = os.path.join(ref.ICI, "corrections.tsv")

# What an entry of each list asserts about its form: lemma (from the key and
# the paired lemma), allowed genders, allowed numbers.
ROLES = {
    "A": (lambda c, l: c, "m", "si"),
    "B": (lambda c, l: c[:-1], "m", "p"),
    "C": (lambda c, l: l, "f", "s"),
    "D": (lambda c, l: c, "e", "si"),
    "E": (lambda c, l: l, "m", "s"),
    "F": (lambda c, l: c[:-4] + "eur", "f", "s"),
    "G": (lambda c, l: l, "f", "s"),
    "H": (lambda c, l: c, "e", "i"),
}

PLIER = str.maketrans("âêîôûäëïöüè", "aeiouaeioué")

ACCORD = "accord"
GENRES = {"m": "masculin", "f": "féminin", "e": "épicène"}
NOMBRES = {"s": "singulier", "p": "pluriel", "i": "invariable"}


def plier(mot):
    return mot.translate(PLIER)


class Lefff:
    """Lookup in the Lefff adjective extract."""

    def __init__(self, extrait, categories):
        self.formes = extrait
        self.categories = categories
        self.variantes = collections.defaultdict(set)
        for f in extrait:
            self.variantes[plier(f)].add(f)

    def verdict(self, forme, lemme, genres, nombres):
        """ACCORD, or the kind of disagreement with the claim."""
        analyses = self.formes.get(forme, [])
        if any(l == lemme and g in genres and n in nombres for l, g, n in analyses):
            return ACCORD
        memes = [(g, n) for l, g, n in analyses if l == lemme]
        if memes:
            g, n = memes[0]
            quoi = "genre" if g not in genres else "nombre"
            return f"{quoi} différent (Lefff : {lemme}/{g}/{n})"
        if analyses:
            autres = ", ".join(f"{l}/{g}/{n}" for l, g, n in analyses)
            return f"lemme différent (Lefff : {autres})"
        autres = self.categories.get(forme, set())
        if "participe" in autres:
            return "participe seulement (Lefff : lemme verbal)"
        if "nc" in autres:
            return "nom seulement dans le Lefff"
        if autres:
            return "absente des adjectifs du Lefff (catégories : " + ", ".join(sorted(autres)) + ")"
        return "inconnue du Lefff"

    def rectifiee(self, forme, lemme):
        """True when the Lefff lacks the form but has an adjective spelt the
        same but for accents (mûre for mure, aigüe for aiguë), or lists the
        form with a lemma differing only by accents: 1990 spellings."""
        if forme not in self.formes:
            return any(v != forme for v in self.variantes.get(plier(forme), ()))
        return any(l != lemme and plier(l) == plier(lemme) for l, _, _ in self.formes[forme])


def nature(forme, lemme, verdict, lefff_, types):
    """The kind a disagreement belongs to."""
    if lefff_.rectifiee(forme, lemme):
        return "orthographe rectifiée (1990) ou variante d'accent"
    if "-" in forme:
        return "mot composé"
    if verdict.startswith("participe") or "P" in types:
        return "participe"
    if verdict.startswith(("nom seulement", "absente", "inconnue")):
        return "pas adjectif dans le Lefff : " + verdict.split(" (")[0].replace(" dans le Lefff", "")
    return "erreur d'une des sources : " + verdict.split(" (")[0]


def lire_decisions(chemin=CORRECTIONS):
    decisions = {}
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            corps, _, raison = ligne.partition("#")
            champs = corps.split()
            if len(champs) >= 3:
                decisions.setdefault(champs[1], f"{' '.join(champs)}  # {raison.strip()}")
    return decisions


def auditer_entrees(lexiques, formes, lefff_):
    """[(kind, line)] for every shipped entry the Lefff does not confirm."""
    lignes, total = [], 0
    for lettre in ref.LISTES:
        lemme_de, genres, nombres = ROLES[lettre]
        for cle, associe in lexiques[lettre].items():
            total += 1
            lemme = lemme_de(cle, associe)
            v = lefff_.verdict(cle, lemme, genres, nombres)
            if v == ACCORD:
                continue
            types = "".join(l.types for l in formes.get(cle, []))
            lignes.append((nature(cle, lemme, v, lefff_, types),
                           f"{lettre} {cle} -> {lemme}/{genres}/{nombres} : {v}"))
    return total, lignes


def auditer_formes(formes, resultats, lexiques, lefff_):
    """Compares the reference analysis of every form a list decides."""
    lignes, total = [], 0
    for f in sorted(formes):
        r = resultats[f]
        if not gen.entree_appliquee(f, r, lexiques):
            continue
        total += 1
        _, cible = ref.noter(formes[f], r)
        v = lefff_.verdict(f, cible.lemme, cible.genre, cible.nombre)
        if v == ACCORD:
            continue
        texte = f"{f} -> {cible.lemme}/{cible.genre}/{cible.nombre} : {v}"
        genre = nature(f, cible.lemme, v, lefff_, cible.types)
        lignes.append((genre, texte))
    return total, lignes


def auditer_courants(formes, lefff_, courants, decisions):
    """Every form that either source, or the Lefff for an accent variant,
    ties to a common adjective, where the two sources share no analysis."""
    candidates = set()
    for f, analyses in formes.items():
        if any(l.lemme in courants for l in analyses):
            candidates.add(f)
    for f, analyses in lefff_.formes.items():
        if any(l in courants for l, _, _ in analyses):
            candidates.add(f)
            candidates.update(v for v in formes if plier(v) == plier(f))
    lignes = []
    for f in sorted(candidates):
        a = {(l.lemme, l.genre, l.nombre) for l in formes.get(f, [])}
        b = set(lefff_.formes.get(f, []))
        if a & b:
            continue
        dire = lambda e: ", ".join(f"{l}/{g}/{n}" for l, g, n in sorted(e)) or "absente"
        participe = "participe" in lefff_.categories.get(f, ())
        cote_lefff = dire(b) if b or not participe else "participe (lemme verbal)"
        lignes.append(f"{f} : référence {dire(a)} ; Lefff {cote_lefff}\n"
                      f"      décision : {decisions.get(f, 'aucune')}")
    return lignes


def par_nature(lignes, decisions):
    """Lines grouped by kind, each with its hand decision when there is one."""
    groupes = collections.defaultdict(list)
    for genre, texte in lignes:
        forme = texte.split(" -> ")[0].split()[-1]
        if forme in decisions:
            texte += f"\n              décision : {decisions[forme]}"
        groupes[genre].append(texte)
    sortie = []
    for genre, textes in sorted(groupes.items(), key=lambda kv: (-len(kv[1]), kv[0])):
        sortie.append(f"  {len(textes):6d}  {genre}")
        sortie.extend(f"            {t}" for t in textes)
    return sortie


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--lexiques", default=os.path.join(ref.RACINE, "data"))
    p.add_argument("--cli", default=None)
    p.add_argument("-o", "--sortie", default=SORTIE)
    a = p.parse_args()
    formes = ref.lire_reference()
    lexiques = ref.lire_lexiques(a.lexiques)
    lefff_ = Lefff(lefff.lire_extrait(), lefff.categories())
    courants = set(ref.lire_courants())
    resultats = ref.analyser(sorted(formes), os.path.abspath(a.lexiques), a.cli)
    n_entrees, entrees = auditer_entrees(lexiques, formes, lefff_)
    n_formes, decidees = auditer_formes(formes, resultats, lexiques, lefff_)
    decisions = lire_decisions()
    communs = auditer_courants(formes, lefff_, courants, decisions)
    with open(lefff.SORTIE_DEFAUT, encoding="utf-8") as f:
        entete = [l.rstrip("\n") for l in f if l.startswith("# Source") or l.startswith("# Lic")]
    with open(ref.REFERENCE, encoding="utf-8") as f:
        entete += [l.rstrip("\n") for l in f if l.startswith(("# Source", "# Debian", "# Lic"))]
    contredites = sum(1 for g, t in entrees if "différent" in t)
    with open(a.sortie, "w", encoding="utf-8", newline="\n") as f:
        f.write("Audit of the shipped lexicons against the Lefff (tools/lexiques/auditer.sh)\n")
        f.write("\n".join(entete) + "\n\n")
        f.write(f"Entries of the eight files: {n_entrees}; confirmed by the Lefff: "
                f"{n_entrees - len(entrees)}; contradicted: {contredites}; "
                f"not in the Lefff's adjectives: {len(entrees) - contredites}\n")
        f.write("\n".join(par_nature(entrees, decisions)) + "\n\n")
        f.write(f"Reference forms whose answer a list decides: {n_formes}; confirmed: "
                f"{n_formes - len(decidees)}; not confirmed: {len(decidees)}\n")
        f.write("\n".join(par_nature(decidees, decisions)) + "\n\n")
        f.write(f"Common adjectives (courants.txt): {len(communs)} forms on which the "
                f"two sources share no analysis, with the hand decision of corrections.tsv\n")
        f.write("\n".join(f"  {c}" for c in communs) + "\n")
    print(f"{n_entrees} entrées, {len(entrees)} non confirmées ; {n_formes} formes décidées "
          f"par une liste, {len(decidees)} non confirmées -> {a.sortie}", file=sys.stderr)


if __name__ == "__main__":
    main()
