# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks a CoNLL-U output of adjora-cli against its input: the same line
count; every line but the ADJ word lines byte-identical; on those, only LEMMA,
FEATS and MISC changed, and the answers, when they changed, those of the TSV
mode for the form (the CorrectForm of a Typo=Yes token); ten columns, ids in
sequence, FEATS well formed and sorted, no stray whitespace."""

import re

ID = re.compile(r"^(\d+|\d+-\d+|\d+\.\d+)$")
TRAIT = re.compile(r"^[A-Za-z0-9\[\]]+=[A-Za-z0-9,]+$")
GENRES = {"masculin": "Masc", "féminin": "Fem"}
NOMBRES = {"singulier": "Sing", "pluriel": "Plur"}


colonnes = lambda ligne: ligne.split("\t") if ligne.count("\t") == 9 else None
fixes = lambda c: [x for i, x in enumerate(c) if i not in (2, 5, 9)]  # all but LEMMA, FEATS, MISC


def forme(c):
    """The form analysed: the CorrectForm of a token marked Typo=Yes."""
    corrigee = re.search(r"(?:^|\|)CorrectForm=([^|]*)", c[9])
    return corrigee.group(1) if corrigee and "Typo=Yes" in c[5].split("|") else c[1]


def verifier_colonnes(c, attendu):
    e = [f"bad ID {c[0]!r}"] if not ID.match(c[0]) else \
        [f"ID {c[0]}, expected {attendu}"] if c[0].isdigit() and int(c[0]) != attendu else []
    e += ["empty column or stray whitespace"] * any(x == "" or x != x.strip() or re.search(r"\s\s", x) for x in c)
    if c[5] != "_":
        traits = c[5].split("|")
        noms = [t.split("=")[0] for t in traits]
        if not all(TRAIT.match(t) for t in traits) or len(set(noms)) != len(noms):
            e.append(f"bad FEATS {c[5]}")
        if noms != sorted(noms, key=str.lower):
            e.append(f"FEATS not sorted: {c[5]}")
    return e + [f"empty MISC item: {c[9]}"] * (c[9] != "_" and "" in c[9].split("|"))


def verifier(entree, sortie, reponses_tsv):
    avant, apres = entree.split("\n"), sortie.split("\n")
    if len(avant) != len(apres):
        return [f"{len(apres)} lines out for {len(avant)} in"]
    erreurs, adjectifs, attendu = [], {}, 1
    for n, (a, b) in enumerate(zip(avant, apres), 1):
        ca, cb = colonnes(a), colonnes(b)
        if ca is None or ca[3] != "ADJ" or not ca[0].isdigit():
            if a != b:
                erreurs.append(f"line {n} changed: {b!r}")
        elif cb is None or fixes(ca) != fixes(cb):
            erreurs.append(f"line {n}: columns other than LEMMA, FEATS, MISC changed")
        elif a != b:  # an ADJ left as it was is not analysed
            adjectifs[n] = (ca, cb)
        if b == "":
            attendu = 1
        elif not b.startswith("#") and cb is not None:
            erreurs += [f"line {n}: {e}" for e in verifier_colonnes(cb, attendu)]
            attendu = int(cb[0]) + 1 if cb[0].isdigit() else attendu
    tsv = reponses_tsv(sorted({forme(ca) for ca, _ in adjectifs.values()}))
    for n, (ca, cb) in adjectifs.items():
        if forme(ca) not in tsv:
            erreurs.append(f"line {n}: refused form changed")
            continue
        _, lemme, genre, nombre = tsv[forme(ca)][:4]
        traits = dict(t.split("=", 1) for t in cb[5].split("|")) if cb[5] != "_" else {}
        if (cb[2] != lemme or traits.get("Gender") != GENRES.get(genre, traits.get("Gender"))
                or traits.get("Number") != NOMBRES.get(nombre, traits.get("Number"))):
            erreurs.append(f"line {n}: {cb[2]} {cb[5]}, TSV says {lemme} {genre} {nombre}")
    return erreurs
