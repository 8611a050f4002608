#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Accuracy of adjora-cli over the reference of French adjective forms, with
the shipped lexicons (or those of --lexiques DIR).

Prints lemma, gender, number and all-three accuracy over every form and over
the forms of the 300 common adjectives, the ceiling that the fixed rules
allow, the remaining errors grouped by cause and by ending, and the start-up
time and throughput of adjora-cli.
"""

import argparse
import collections
import os
import statistics
import subprocess
import sys
import time

ICI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(ICI)), "tools", "lexiques"))
import generer_lexiques as gen  # noqa: E402
import reference as ref  # noqa: E402


def pourcents(notes, formes):
    n = len(formes)
    if not n:
        return "aucune forme"
    parts = []
    for i, nom in enumerate(("lemme", "genre", "nombre")):
        parts.append(f"{nom} {100 * sum(notes[f][0][i] for f in formes) / n:6.2f} %")
    parts.append(f"les trois {100 * sum(all(notes[f][0]) for f in formes) / n:6.2f} %")
    return f"{n:6d} formes : " + ", ".join(parts)


def plafond(formes, mots, notes, cli, devant_voyelle):
    """Best answer per form: the rules alone or the rules plus the one entry
    whose role fits the form, as the engine gives them."""
    lexiques = {l: {} for l in ref.LISTES}
    for f in mots:
        entree, raison = gen.proposer(f, notes[f][1], devant_voyelle)
        if entree and not gen.valider(entree):
            lettre, cle, lemme = entree
            lexiques[lettre].setdefault(cle, lemme)
    vide = ref.analyser_par_les_regles(mots, cli)
    oracle = ref.analyser_avec(mots, lexiques, cli)
    meilleures = {}
    for f in mots:
        candidats = [notes[f], ref.noter(formes[f], vide[f]), ref.noter(formes[f], oracle[f])]
        meilleures[f] = max(candidats, key=lambda c: (ref.poids(c[0]), sum(c[0])))
    return meilleures


def cause(forme, cible, contexte):
    lexiques, devant_voyelle = contexte
    entree, raison = gen.proposer(forme, cible, devant_voyelle)
    if entree:
        lettre, cle, _ = entree
        raison = gen.valider(entree)
        if not raison and lettre == "D" and cible.genre == "m":
            raison = "masculin seul en -e : la liste D ne peut rendre que le lemme"
        elif not raison and lettre == "A" and cible.nombre != "i":
            raison = "finale -s au nombre fixé : la liste A rend le nombre indéterminé"
        elif not raison and cle in lexiques[lettre]:
            raison = f"liste {lettre} : sa réponse est la meilleure possible, mais pas toute juste"
        elif not raison:
            raison = f"entrée possible dans la liste {lettre}, absente"
    return raison


def erreurs(formes, notes, resultats, mots, limite, contexte):
    """Groups the wrong answers by cause, then by ending."""
    par_cause = collections.defaultdict(list)
    for f in mots:
        if not all(notes[f][0]):
            par_cause[cause(f, notes[f][1], contexte)].append(f)
    lignes = []
    for raison, fs in sorted(par_cause.items(), key=lambda kv: -len(kv[1])):
        lignes.append(f"  {len(fs):6d}  {raison}")
        fins = collections.Counter(f[-3:] for f in fs)
        for fin, nb in fins.most_common(limite):
            exemples = [f for f in fs if f.endswith(fin)][:3]
            details = "; ".join(
                f"{e} -> {resultats[e].lemme}/{resultats[e].genre}/{resultats[e].nombre} "
                f"(attendu {notes[e][1].lemme}/{notes[e][1].genre}/{notes[e][1].nombre})"
                for e in exemples)
            lignes.append(f"          -{fin:<4} {nb:5d}  {details}")
    return lignes


def chronometrer(cli, dossier, mots):
    """Start-up (one word, median of 15 runs) and analyses per second."""
    durees = []
    for _ in range(15):
        debut = time.perf_counter()
        subprocess.run([cli, "--lexiques", dossier], input=b"petit\n",
                       capture_output=True, check=True)
        durees.append(time.perf_counter() - debut)
    entree = "".join(m + "\n" for m in mots).encode("utf-8")
    debut = time.perf_counter()
    subprocess.run([cli, "--lexiques", dossier], input=entree, capture_output=True, check=True)
    total = time.perf_counter() - debut
    demarrage = statistics.median(durees)
    debit = len(mots) / max(total - demarrage, 1e-9)
    return demarrage, debit


def tailles(dossier):
    res = []
    for l in ref.LISTES:
        chemin = os.path.join(dossier, f"except_{l}.lex")
        try:
            with open(chemin, "rb") as f:
                lignes = f.read().count(b"\n")
            res.append(f"{l} {lignes}")
        except OSError:
            res.append(f"{l} absent")
    return ", ".join(res)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--lexiques", default=os.path.join(ref.RACINE, "data"))
    p.add_argument("--cli", default=None)
    p.add_argument("--reference", default=ref.REFERENCE)
    p.add_argument("--exemples", type=int, default=4, help="endings shown per cause")
    p.add_argument("--sans-plafond", action="store_true")
    p.add_argument("--sans-temps", action="store_true")
    a = p.parse_args()
    cli = a.cli or ref.trouver_cli()
    formes = ref.lire_reference(a.reference)
    mots = sorted(formes)
    resultats = ref.analyser(mots, os.path.abspath(a.lexiques), cli)
    notes = {f: ref.noter(formes[f], resultats[f]) for f in mots}
    courants = set(ref.lire_courants())
    formes_courantes = [f for f in mots if any(l.lemme in courants for l in formes[f])]
    adjectifs = [f for f in mots if any("P" not in l.types for l in formes[f])]

    contexte = (ref.lire_lexiques(a.lexiques), gen.feminins_en_le(formes))
    print(f"adjora-cli : {os.path.relpath(cli, ref.RACINE)}")
    print(f"lexiques : {os.path.relpath(a.lexiques, ref.RACINE)} ({tailles(a.lexiques)} lignes)")
    print("Précision")
    print("  toutes les formes      " + pourcents(notes, mots))
    print("  hors participes seuls  " + pourcents(notes, adjectifs))
    print("  300 adjectifs courants " + pourcents(notes, formes_courantes))
    if not a.sans_plafond:
        meilleures = plafond(formes, mots, notes, cli, contexte[1])
        print("Plafond des règles (meilleure réponse possible par forme)")
        print("  toutes les formes      " + pourcents(meilleures, mots))
        print("  300 adjectifs courants " + pourcents(meilleures, formes_courantes))
    print("Erreurs restantes, par cause puis par finale (forme -> obtenu, attendu)")
    print("\n".join(erreurs(formes, notes, resultats, mots, a.exemples, contexte)))
    print("Erreurs restantes parmi les adjectifs courants")
    print("\n".join(erreurs(formes, notes, resultats, formes_courantes, 20, contexte)))
    if not a.sans_temps:
        demarrage, debit = chronometrer(cli, os.path.abspath(a.lexiques), mots)
        print(f"Temps : démarrage et un mot {1000 * demarrage:.1f} ms (médiane), "
              f"{debit:,.0f} analyses/s")


if __name__ == "__main__":
    main()
