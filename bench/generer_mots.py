#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes mots.txt, the benchmark word list: every inflected form of a set of
common adjectives, alone and behind a set of hyphenated prefixes. Deterministic."""

import pathlib

REGULIERS = """grand petit joli bleu noir vert fort haut lourd rond court chaud froid plein brun
lent prompt profond absent content récent prudent violent savant charmant important puissant
élégant méchant lointain certain humain lointain prochain vilain sain plat laid blond gai vrai
poli pointu menu aigu têtu obscur dur pur sûr mûr seul civil subtil natal banal fatal normal
espagnol amical génial idéal égal légal aisé usé fermé carré fâché léger étroit adroit droit
étranger premier dernier entier grossier fier""".split()
EUX = "heureux joyeux curieux sérieux furieux nerveux généreux délicieux peureux honteux".split()
EUR = "menteur trompeur moqueur flatteur rieur rêveur boudeur charmeur".split()
TEUR = "protecteur créateur destructeur conservateur séducteur libérateur".split()
IF = "actif neuf vif naïf sportif craintif positif négatif".split()
ET = "complet inquiet secret discret concret".split()
DOUBLANTS = "bon cruel ancien gros gras net muet pareil bas épais".split()
AL_AUX = "loyal royal national spécial social général moral".split()
INVARIABLES = "marron orange kaki".split()
PREFIXES = """ultra archi super hyper anti pré néo sur sous mi semi demi pseudo extra proto
post para contre auto inter""".split()


def formes(ms, fs, mp, fp):
    return [ms, fs, mp, fp]


def toutes_les_formes():
    liste = []
    for m in REGULIERS:
        if m.endswith("er"):
            f = m[:-2] + "ère"
        elif m.endswith("u") and m in ("aigu",):
            f = m + "ë"
        else:
            f = m + "e"
        mp = m if m.endswith("s") else m + "s"
        liste += formes(m, f, mp, f + "s")
    for m in EUX:
        liste += formes(m, m[:-1] + "se", m, m[:-1] + "ses")
    for m in EUR:
        liste += formes(m, m[:-1] + "se", m + "s", m[:-1] + "ses")
    for m in TEUR:
        liste += formes(m, m[:-4] + "trice", m + "s", m[:-4] + "trices")
    for m in IF:
        liste += formes(m, m[:-1] + "ve", m + "s", m[:-1] + "ves")
    for m in ET:
        liste += formes(m, m[:-2] + "ète", m + "s", m[:-2] + "ètes")
    for m in DOUBLANTS:
        f = m + m[-1] + "e"
        liste += formes(m, f, m if m.endswith("s") else m + "s", f + "s")
    for m in AL_AUX:
        liste += formes(m, m + "e", m[:-1] + "ux", m + "es")
    liste += ["beau", "belle", "beaux", "belles", "nouveau", "nouvelle", "nouveaux", "mou",
              "molle", "fou", "folle", "blanc", "blanche", "blancs", "blanches", "facile",
              "triste", "rapide", "rouge", "publique", "vague", "hébreux", "gris", "anglais"]
    liste += INVARIABLES
    return liste


def main():
    base = toutes_les_formes()
    mots = list(base)
    for prefixe in PREFIXES:
        mots += [prefixe + "-" + m for m in base]
    sortie = pathlib.Path(__file__).with_name("mots.txt")
    sortie.write_text("\n".join(mots) + "\n", encoding="utf-8")
    print(f"{len(mots)} mots écrits dans {sortie}")


if __name__ == "__main__":
    main()
