#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Python module as a client of the library: the usage and the lines of
tests/capi/client.c, for tests/capi/comparer.py. Besides, standard error
names each lexicon reported ("lexique FILE") and each CoNLL-U line warned
about (the warning itself), and a batch must answer as the words one by one.
usage: client.py mots|formes|conllu|conllu-explication DOSSIER < lines"""
import os
import sys
import warnings

import adjora

CODES = {"masculin": 0, "féminin": 1, "singulier": 0, "pluriel": 1, "indéterminé": 2, "invariable": 3}
CELLULES = ("masculin_singulier", "feminin_singulier", "masculin_pluriel", "feminin_pluriel")


def sur_une_ligne(texte):
    return texte.replace("\n", "\\n")


def appeler(fonction, mot, numero):
    """The answer; None for a blank line, a refused word (its line named) or a token without a letter."""
    if not mot.strip(" \t\r"):
        return None
    with warnings.catch_warnings(record=True) as avertis:
        warnings.simplefilter("always")
        try:
            reponse = fonction(mot, True)
        except ValueError as refus:
            if str(refus).startswith("pas un mot"):
                print(f"{numero}\tpas un mot")
            else:
                sys.stderr.write(f"ligne {numero}\n")
            return None
    if any(issubclass(a.category, adjora.MotTronque) for a in avertis):
        sys.stderr.write(f"ligne {numero}\n")
    return reponse


def mots(lexiques, lignes):
    analyses = []
    for numero, mot in enumerate(lignes, 1):
        analyse = appeler(lexiques.analyser, mot, numero)
        if analyse is None:
            continue
        analyses.append(analyse)
        objet = analyse.en_dict()
        champs = [str(numero), objet["lemme"], str(CODES[objet["genre"]]), str(CODES[objet["nombre"]])]
        champs.append(sur_une_ligne(objet["explication"]))
        champs.append(",".join(objet["regles"]))
        print("\t".join(champs))
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", adjora.MotTronque)
        lot = lexiques.analyser_lot(iter([a.mot for a in analyses]), True)
    if [a.en_dict() for a in lot] != [a.en_dict() for a in analyses]:
        sys.exit("analyser_lot differs from analyser")


def formes(lexiques, lignes):
    for numero, mot in enumerate(lignes, 1):
        reponse = appeler(lexiques.formes, mot, numero)
        if reponse is None:
            continue
        champs = [str(numero), reponse.lemme]
        for cellule in CELLULES:
            champs.append("|".join(getattr(reponse, cellule)))
        for cellule in CELLULES:
            champs.append("|".join([sur_une_ligne(e) for e in getattr(reponse.explications, cellule)]))
        print("\t".join(champs))


def conllu(lexiques, entree, explication):
    lignes = [ligne + b"\n" for ligne in entree.split(b"\n")]
    lignes[-1] = lignes[-1][:-1]
    textes = [ligne.decode("utf-8", "surrogateescape") for ligne in lignes]
    with warnings.catch_warnings(record=True) as avertis:
        warnings.simplefilter("always")
        for sortie in lexiques.conllu(textes, explication):
            sys.stdout.write(sortie)
    for avertissement in avertis:
        sys.stderr.write(f"{avertissement.message}\n")


def principal():
    sys.stdout.reconfigure(encoding="utf-8", errors="surrogateescape", newline="\n")
    mode = sys.argv[1]
    dossier = None
    if sys.argv[2] != "-":
        dossier = sys.argv[2]
    with warnings.catch_warnings(record=True) as avertis:
        warnings.simplefilter("always")
        lexiques = adjora.Adjora(dossier)
    for avertissement in avertis:
        sys.stderr.write(f"lexique {os.path.basename(avertissement.message.fichier)}\n")
    entree = sys.stdin.buffer.read()
    if mode.startswith("conllu"):
        conllu(lexiques, entree, mode == "conllu-explication")
        return
    if entree.startswith(b"\xef\xbb\xbf"):
        entree = entree[3:]
    if entree.endswith(b"\n"):
        entree = entree[:-1]
    lignes = [ligne.decode("utf-8", "surrogateescape") for ligne in entree.split(b"\n")]
    if mode == "mots":
        mots(lexiques, lignes)
    else:
        formes(lexiques, lignes)


principal()
