#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs one adjora-cli case: a folder holding `args` (one argument per line; the
program runs in the folder, @CAS@ stands for it), optional `stdin`, the expected `stdout` (or
`stdout.jsonl`, compared object by object), `stderr` (empty when absent; or
`stderr.lignes`, lines it holds in that order) and
`status`. Optional `lexiques`: a set under lexiques/ (default "mini"), or
"defaut" for none given. Optional `sortie`: "/dev/full" or "tube-ferme" (a
pipe whose reader is gone). A --conllu case also has its output checked
against its input by verifier_conllu.py.
Usage: lancer_cas.py ADJORA_CLI CASE_DIR"""

import difflib
import json
import os
import subprocess
import sys

from verifier_conllu import verifier

ICI = os.path.dirname(os.path.abspath(__file__))


def lire(cas, nom, defaut=None):
    chemin = os.path.join(cas, nom)
    if not os.path.exists(chemin):
        return defaut
    with open(chemin, "rb") as f:
        return f.read()


def lancer(cli, cas, arguments, entree, sortie=b""):
    jeu = (lire(cas, "lexiques", b"mini")).decode().strip()
    if jeu != "defaut":
        arguments = ["--lexiques", os.path.join(ICI, "lexiques", jeu)] + arguments
    lecteur = None
    if sortie == b"/dev/full":
        flux = open("/dev/full", "wb")
    elif sortie == b"tube-ferme":
        lecteur, flux = os.pipe()
        os.close(lecteur)
    else:
        flux = subprocess.PIPE
    try:
        return subprocess.run([cli] + arguments, input=entree, stdout=flux,
                              stderr=subprocess.PIPE, timeout=60, cwd=cas)
    finally:
        if flux is not subprocess.PIPE:
            os.close(flux) if isinstance(flux, int) else flux.close()


def ecart(nom, attendu, obtenu):
    if attendu == obtenu:
        return []
    lignes = difflib.unified_diff(attendu.decode("utf-8", "replace").splitlines(),
                                  obtenu.decode("utf-8", "replace").splitlines(),
                                  f"expected {nom}", f"actual {nom}", lineterm="")
    return list(lignes) or [f"{nom}: {attendu!r} != {obtenu!r}"]


def objets_json(texte):
    return [json.loads(ligne) for ligne in texte.decode("utf-8").split("\n") if ligne]


def reponses_tsv(cli, cas, formes):
    """The TSV answer of each ADJ form of a --conllu input."""
    fin = lancer(cli, cas, ["--"] + formes, b"")
    return {l.split("\t")[0]: l.split("\t") for l in fin.stdout.decode().splitlines()}


def main():
    cli, cas = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    arguments = [a.replace("@CAS@", cas) for a in lire(cas, "args", b"").decode().split("\n")]
    arguments = arguments[:-1] if arguments and arguments[-1] == "" else arguments
    entree = lire(cas, "stdin", b"")
    fin = lancer(cli, cas, arguments, entree, (lire(cas, "sortie", b"")).strip())
    erreurs = []
    if fin.returncode != int(lire(cas, "status")):
        erreurs.append(f"status {fin.returncode}, expected {int(lire(cas, 'status'))}")
    if lire(cas, "stderr.lignes") is None:
        erreurs += ecart("stderr", lire(cas, "stderr", b""), fin.stderr)
    else:  # these lines, in this order, among others
        reste = iter(fin.stderr.decode().splitlines())
        manque = [l for l in lire(cas, "stderr.lignes").decode().splitlines() if l not in reste]
        erreurs += [f"stderr lacks: {manque}"] if manque else []
    if lire(cas, "stdout") is not None:
        erreurs += ecart("stdout", lire(cas, "stdout"), fin.stdout)
    if lire(cas, "stdout.jsonl") is not None:
        attendus, obtenus = objets_json(lire(cas, "stdout.jsonl")), objets_json(fin.stdout)
        if attendus != obtenus:
            erreurs.append(f"JSON objects differ:\n{attendus}\n{obtenus}")
    if "--conllu" in arguments and entree and all(a.startswith("--") for a in arguments):
        erreurs += verifier(entree.decode("utf-8", "replace"), fin.stdout.decode("utf-8", "replace"),
                            lambda formes: reponses_tsv(cli, cas, formes))
    if erreurs:
        print(f"FAIL {os.path.basename(cas)}\n" + "\n".join(erreurs))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
