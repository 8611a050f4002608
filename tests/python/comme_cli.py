#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the Python module on the inputs of the adjora-cli cases (tests/cli/cas/*)
and compares its answers with what adjora-cli prints for them, run now: the
JSON Lines objects of words and --formes (en_dict() against adjora-cli
--format jsonl), the refusals and cut words named on standard error, the
lexicon reports, and CoNLL-U output byte for byte. A case whose arguments are
no analysis (usage errors, --help, special inputs or outputs) is left out;
fewer than 20 cases compared fails.

usage: comme_cli.py ADJORA_CLI CASES_DIR"""
import json
import os
import re
import subprocess
import sys
import warnings

import adjora

CLI = os.path.abspath(sys.argv[1])
CAS = os.path.abspath(sys.argv[2])
LEXIQUES = os.path.join(os.path.dirname(CAS), "lexiques")
BLANCS = " \t\r\n"


class NonComparable(Exception):
    """A case that is no analysis the module can do."""


def lire(cas, nom):
    chemin = os.path.join(cas, nom)
    if not os.path.isfile(chemin):
        return None
    with open(chemin, "rb") as f:
        return f.read()


def options(cas):
    """The case's run: mode, explication, folder, adjora-cli's arguments but
    --format, and the words or files (none: standard input)."""
    if lire(cas, "entree") is not None or lire(cas, "sortie") is not None:
        raise NonComparable("special input or output")
    arguments = lire(cas, "args").decode().split("\n")
    if arguments[-1] == "":
        arguments.pop()
    jeu = (lire(cas, "lexiques") or b"mini").decode().strip()
    dossier = None
    if jeu != "defaut":
        dossier = os.path.join(LEXIQUES, jeu)
    modes = []
    explication = False
    format_ = "tsv"
    gardes = []
    mots = []
    reste = list(arguments)
    while reste:
        argument = reste.pop(0)
        if argument == "--":
            mots += reste
            gardes += [argument] + reste
            break
        if argument in ("--conllu", "--formes"):
            modes.append(argument[2:])
        elif argument == "--explication":
            explication = True
        elif argument == "--format" and reste:
            format_ = reste.pop(0)
            continue
        elif argument.startswith("--format="):
            format_ = argument[len("--format="):]
            continue
        elif argument == "--lexiques" and reste:
            dossier = os.path.join(cas, reste[0])
            gardes.append(argument)
            argument = reste.pop(0)
        elif argument.startswith("-") and argument != "-":
            raise NonComparable(f"option {argument}")
        else:
            mots.append(argument)
        gardes.append(argument)
    if format_ not in ("tsv", "jsonl") or len(modes) > 1 or (modes == ["conllu"] and format_ == "jsonl"):
        raise NonComparable("usage error")
    return (modes or ["mots"])[0], explication, dossier, gardes, mots


def lancer_cli(cas, arguments, jsonl):
    if jsonl:
        arguments = ["--format", "jsonl"] + arguments
    jeu = (lire(cas, "lexiques") or b"mini").decode().strip()
    if jeu != "defaut":
        arguments = ["--lexiques", os.path.join(LEXIQUES, jeu)] + arguments
    return subprocess.run([CLI] + arguments, input=lire(cas, "stdin") or b"", capture_output=True,
                          cwd=cas, timeout=60)


def mots_donnes(cas, mots):
    """(place, bytes) of each word as adjora-cli reads them."""
    donnes = []
    for numero, mot in enumerate(mots or ["-"], 1):
        if mot != "-":
            donnes.append((f"argument {numero}", mot.encode("utf-8", "surrogateescape")))
            continue
        entree = lire(cas, "stdin") or b""
        if entree.startswith(b"\xef\xbb\xbf"):
            entree = entree[3:]
        for ligne, texte in enumerate(entree.split(b"\n"), 1):
            texte = texte.strip(BLANCS.encode())
            if texte:
                donnes.append((f"ligne {ligne}", texte))
    return donnes


def analyser(lexiques, mode, explication, donnes):
    """The module's objects, and the stderr lines adjora-cli must have written."""
    objets = []
    lignes = []
    for lieu, octets in donnes:
        mot = octets.decode("utf-8", "surrogateescape")
        with warnings.catch_warnings(record=True) as avertis:
            warnings.simplefilter("always")
            try:
                if mode == "formes":
                    resultat = lexiques.formes(mot, explication)
                else:
                    resultat = lexiques.analyser(mot, explication)
            except ValueError as refus:
                if str(refus).startswith("pas un mot"):
                    objets.append({"mot": mot, "pas_un_mot": True})
                    continue
                valide = mot.encode("utf-8", "surrogateescape").decode("utf-8", "replace") == mot
                raison = str(refus) if valide else "texte UTF-8 invalide"
                lignes.append(f"adjora-cli : {lieu} : {raison}")
                continue
        objets.append(resultat.en_dict())
        if any(issubclass(a.category, adjora.MotTronque) for a in avertis):
            lignes.append(f"adjora-cli : {lieu} : mot de ")
    return objets, lignes


def comparer_objets(attendus, obtenus):
    erreurs = []
    if len(attendus) != len(obtenus):
        erreurs.append(f"{len(obtenus)} answers, adjora-cli gave {len(attendus)}")
    for attendu, obtenu in zip(attendus, obtenus):
        mot = obtenu["mot"].encode("utf-8", "surrogateescape")
        coupe = attendu.get("mot", "").encode()
        if not mot.startswith(coupe) or (len(mot) <= 4096 and mot != coupe):
            erreurs.append(f"mot {obtenu['mot'][:60]!r} != {attendu.get('mot')!r}")
        differents = [cle for cle in attendu if cle != "mot" and obtenu.get(cle) != attendu[cle]]
        if differents:
            erreurs.append(f"{attendu}\n  module: {obtenu}")
    return erreurs


def comparer_mots(cas, mode, explication, lexiques, arguments, mots):
    fin = lancer_cli(cas, arguments, True)
    attendus = [json.loads(l) for l in fin.stdout.decode().splitlines() if l]
    objets, lignes = analyser(lexiques, mode, explication, mots_donnes(cas, mots))
    erreurs = comparer_objets(attendus, objets)
    stderr = fin.stderr.decode("utf-8", "replace").splitlines()
    erreurs += [f"adjora-cli did not write: {l}" for l in lignes if not any(s.startswith(l) for s in stderr)]
    nommes = [s for s in stderr if s.startswith("adjora-cli : ligne ") or s.startswith("adjora-cli : argument ")]
    erreurs += [f"the module did not report: {s}" for s in nommes if not any(s.startswith(l) for l in lignes)]
    if mode == "mots":
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", adjora.MotTronque)
            lot = lexiques.analyser_lot(iter([o["mot"] for o in objets if "lemme" in o]), explication)
        objets = [o for o in objets if "lemme" in o]
        if [a.en_dict() for a in lot] != objets:
            erreurs.append("analyser_lot differs from analyser")
    return erreurs, fin.stderr


def entrees_conllu(cas, fichiers):
    """The bytes of each input adjora-cli reads, missing files left out."""
    entrees = []
    for nom in fichiers or ["-"]:
        if nom == "-":
            entrees.append(lire(cas, "stdin") or b"")
        elif lire(cas, nom) is not None:
            entrees.append(lire(cas, nom))
    return entrees


def comparer_conllu(cas, explication, lexiques, arguments, fichiers):
    fin = lancer_cli(cas, arguments, False)
    sortie = []
    messages = []
    for octets in entrees_conllu(cas, fichiers):
        lignes = [l + b"\n" for l in octets.split(b"\n")]
        lignes[-1] = lignes[-1][:-1]
        textes = [l.decode("utf-8", "surrogateescape") for l in lignes]
        with warnings.catch_warnings(record=True) as avertis:
            warnings.simplefilter("always")
            sortie += [t.encode("utf-8", "surrogateescape") for t in lexiques.conllu(textes, explication)]
        messages += [str(a.message) for a in avertis]
    stderr = fin.stderr.decode("utf-8", "replace").splitlines()
    erreurs = [f"adjora-cli did not write: {m}" for m in messages
               if not any(s.endswith(m) for s in stderr) and "mot de plus de" not in m]
    erreurs += [f"adjora-cli did not cut: {m}" for m in messages
                if "mot de plus de" in m and not any(m.split(" : ")[0] + " : mot de " in s for s in stderr)]
    obtenu = b"".join(sortie)
    if obtenu == fin.stdout:
        return erreurs, fin.stderr
    attendues = fin.stdout.split(b"\n")
    obtenues = obtenu.split(b"\n")
    for numero, (a, o) in enumerate(zip(attendues, obtenues), 1):
        if a != o:
            return erreurs + [f"line {numero}:\n  adjora-cli {a[:300]!r}\n  module     {o[:300]!r}"], fin.stderr
    return erreurs + [f"{len(obtenues)} lines, adjora-cli wrote {len(attendues)}"], fin.stderr


def comparer(cas):
    mode, explication, dossier, arguments, mots = options(cas)
    with warnings.catch_warnings(record=True) as avertis:
        warnings.simplefilter("always")
        try:
            lexiques = adjora.Adjora(dossier)
        except adjora.DossierIntrouvable:
            fin = lancer_cli(cas, arguments, False)
            return [] if fin.returncode == 2 and not fin.stdout else [f"no folder, but adjora-cli: {fin.returncode}"]
    with lexiques:
        if mode == "conllu":
            erreurs, stderr = comparer_conllu(cas, explication, lexiques, arguments, mots)
        else:
            erreurs, stderr = comparer_mots(cas, mode, explication, lexiques, arguments, mots)
    # The library reads paradigmes.lex when there is one; adjora-cli --formes
    # also reports it missing.
    rapportes = {os.path.basename(a.message.fichier) for a in avertis
                 if issubclass(a.category, adjora.AvertissementLexique)} - {"paradigmes.lex"}
    fichiers = re.findall(r"^\* FICHIER : (.*?)(?: \([^)]*\))?$", stderr.decode("utf-8", "replace"), re.MULTILINE)
    nommes = {os.path.basename(f) for f in fichiers} - {"paradigmes.lex"}
    if rapportes != nommes:
        erreurs.append(f"lexicon reports: module {sorted(rapportes)}, adjora-cli {sorted(nommes)}")
    return erreurs


def principal():
    echecs = []
    compares = 0
    for nom in sorted(os.listdir(CAS)):
        try:
            erreurs = comparer(os.path.join(CAS, nom))
        except NonComparable as raison:
            print(f"-- {nom}: not compared ({raison})")
            continue
        compares += 1
        if erreurs:
            echecs.append(nom)
            print(f"FAIL {nom}\n  " + "\n  ".join(erreurs))
        else:
            print(f"ok {nom}")
    if compares < 20:
        echecs.append(f"only {compares} cases compared")
    if echecs:
        sys.exit(f"FAIL: {', '.join(echecs)}")


principal()
