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
import difflib, json, os, subprocess, sys
from verifier_conllu import verifier

ICI = os.path.dirname(os.path.abspath(__file__))
cli, cas = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])


def lire(nom, defaut=None):
    chemin = os.path.join(cas, nom)
    return open(chemin, "rb").read() if os.path.exists(chemin) else defaut


def lancer(arguments, entree, sortie=b""):
    jeu = lire("lexiques", b"mini").decode().strip()
    arguments = (["--lexiques", os.path.join(ICI, "lexiques", jeu)] if jeu != "defaut" else []) + arguments
    flux = os.open("/dev/full", os.O_WRONLY) if sortie == b"/dev/full" else subprocess.PIPE
    if sortie == b"tube-ferme":
        lecteur, flux = os.pipe()
        os.close(lecteur)
    try:
        return subprocess.run([cli] + arguments, input=entree, stdout=flux, stderr=subprocess.PIPE,
                              timeout=60, cwd=cas)
    finally:
        os.close(flux) if flux != subprocess.PIPE else None


def ecart(nom, attendu, obtenu):
    return [] if attendu == obtenu else list(difflib.unified_diff(
        attendu.decode("utf-8", "replace").splitlines(), obtenu.decode("utf-8", "replace").splitlines(),
        f"expected {nom}", f"actual {nom}", lineterm="")) or [f"{nom}: {attendu!r} != {obtenu!r}"]


def reponses_tsv(formes):
    """The TSV answer of each ADJ form of a --conllu input."""
    return {l.split("\t")[0]: l.split("\t") for l in lancer(["--"] + formes, b"").stdout.decode().splitlines()}


objets = lambda texte: [json.loads(ligne) for ligne in texte.decode("utf-8").split("\n") if ligne]
arguments = [a.replace("@CAS@", cas) for a in lire("args", b"").decode().split("\n")]
arguments = arguments[:-1] if arguments and arguments[-1] == "" else arguments
entree = lire("stdin", b"")
fin = lancer(arguments, entree, lire("sortie", b"").strip())
erreurs = [] if fin.returncode == int(lire("status")) else [f"status {fin.returncode}, expected {int(lire('status'))}"]
if lire("stderr.lignes") is None:
    erreurs += ecart("stderr", lire("stderr", b""), fin.stderr)
else:  # these lines, in this order, among others
    reste = iter(fin.stderr.decode().splitlines())
    manque = [l for l in lire("stderr.lignes").decode().splitlines() if l not in reste]
    erreurs += [f"stderr lacks: {manque}"] if manque else []
if lire("stdout") is not None:
    erreurs += ecart("stdout", lire("stdout"), fin.stdout)
if lire("stdout.jsonl") is not None and objets(lire("stdout.jsonl")) != objets(fin.stdout):
    erreurs.append(f"JSON objects differ:\n{objets(lire('stdout.jsonl'))}\n{objets(fin.stdout)}")
if "--conllu" in arguments and entree and all(a.startswith("--") for a in arguments):
    erreurs += verifier(entree.decode("utf-8", "replace"), fin.stdout.decode("utf-8", "replace"), reponses_tsv)
if erreurs:
    sys.exit(f"FAIL {os.path.basename(cas)}\n" + "\n".join(erreurs))
