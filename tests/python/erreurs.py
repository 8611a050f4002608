#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Bad input through the Python module, from erreurs.tsv: each row must give
its exception or warning (message holding the text given) or its answer, and
the process's standard output and error stay empty, the current directory
unchanged. Standard output and error are files meanwhile (descriptors 1 and 2).

usage: erreurs.py SOURCE_DIR TABLE"""
import ast
import builtins
import os
import shutil
import sys
import tempfile
import warnings

import adjora

SOURCE = os.path.abspath(sys.argv[1])
APPELS = ("analyser", "formes", "analyser_lot", "conllu", "ouvrir", "ouvrir_apres_defaut", "ouvrir_apres_fermer")


def classe(nom):
    if nom == "ok":
        return None
    trouvee = getattr(adjora, nom, None) or getattr(builtins, nom, None)
    if not isinstance(trouvee, type) or not issubclass(trouvee, (Exception, Warning)):
        raise ValueError(f"unknown class {nom}")
    return trouvee


def dossier_fifo(travail):
    dossier = os.path.join(travail, "fifo")
    shutil.copytree(os.path.join(SOURCE, "tests/cli/lexiques/mini"), dossier)
    os.remove(os.path.join(dossier, "except_C.lex"))
    os.mkfifo(os.path.join(dossier, "except_C.lex"))
    return dossier


def appeler(appel, entree, travail):
    """What the call answers: a lemma, a line, or None."""
    if not appel.startswith("ouvrir"):
        with adjora.Adjora(os.path.join(SOURCE, "data")) as lexiques:
            return repondre(lexiques, appel, entree)
    dossier = dossier_fifo(travail) if entree == "fifo" else os.path.join(SOURCE, entree)
    if appel == "ouvrir":
        adjora.Adjora(dossier).fermer()
        return None
    adjora.analyser("belles")
    try:
        if appel == "ouvrir_apres_fermer":
            adjora.fermer()
        adjora.Adjora(dossier).fermer()
        adjora.analyser("belles")
    finally:
        adjora.fermer()
    return None


def repondre(lexiques, appel, entree):
    if appel == "analyser":
        r = lexiques.analyser(entree)
        return f"{r.lemme} {r.genre} {r.nombre} {r.genre.ud} {r.nombre.ud}"
    if appel == "formes":
        f = lexiques.formes(entree)
        return " ".join([f.lemme] + [" ".join(cellule) for cellule in f[2:6]])
    if appel == "analyser_lot":
        return " ".join(r.lemme for r in lexiques.analyser_lot(entree))
    return "".join(lexiques.conllu(entree))


def essayer(ligne, travail):
    """The row's failure, or an empty string."""
    appel, texte, fois, attendu, message = ligne.split("\t")
    if appel not in APPELS:
        return f"unknown call {appel}"
    try:
        entree = ast.literal_eval(texte)
        message = "" if message == "-" else ast.literal_eval(f"'{message}'")
        voulue = classe(attendu)
        fois = int(fois)
    except (SyntaxError, ValueError) as erreur:
        return f"malformed row: {erreur}"
    if isinstance(entree, str):
        entree = entree * fois
    with warnings.catch_warnings(record=True) as avertis:
        warnings.simplefilter("always")
        try:
            reponse = appeler(appel, entree, travail)
        except Exception as e:
            if voulue is None or not isinstance(e, voulue):
                return f"raised {type(e).__name__}: {e}"
            return "" if message in str(e) else f"message {str(e)!r} lacks {message!r}"
    if voulue is None:
        if avertis:
            return f"warned {avertis[0].message}"
        return "" if message in (reponse or "") else f"answered {reponse!r}"
    if appel == "conllu" and reponse != "".join(entree):
        return f"the line copied became {reponse!r}"
    textes = [str(a.message) for a in avertis if issubclass(a.category, voulue)]
    if not any(message in t for t in textes):
        return f"no {attendu} holding {message!r} among {[str(a.message) for a in avertis]}"
    return ""


def principal():
    lignes = [l for l in open(sys.argv[2], encoding="utf-8").read().splitlines() if l and not l.startswith("#")]
    if not lignes:
        sys.exit(f"FAIL: {sys.argv[2]} holds no case")
    echecs = []
    repertoire = os.getcwd()
    with tempfile.TemporaryDirectory() as travail, tempfile.TemporaryFile() as flux:
        sauves = [os.dup(1), os.dup(2)]
        os.dup2(flux.fileno(), 1)
        os.dup2(flux.fileno(), 2)
        try:
            for ligne in lignes:
                if len(ligne.split("\t")) != 5:
                    echecs.append(f"{ligne!r}: not 5 columns")
                    continue
                echec = essayer(ligne, travail)
                if echec:
                    echecs.append(f"{ligne[:80]!r}: {echec}")
                if os.getcwd() != repertoire:
                    echecs.append(f"{ligne[:80]!r}: the current directory became {os.getcwd()}")
        finally:
            sys.stdout.flush()
            os.dup2(sauves[0], 1)
            os.dup2(sauves[1], 2)
        flux.seek(0)
        ecrit = flux.read()
    if ecrit:
        echecs.append(f"written to standard output or error: {ecrit[:500]!r}")
    for echec in echecs:
        print(f"FAIL {echec}")
    if echecs:
        sys.exit(1)
    print(f"ok: {len(lignes)} cases")


principal()
