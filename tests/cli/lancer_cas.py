#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs one adjora-cli case: a folder holding `args` (one argument per line; the
program runs in the folder, @CAS@ stands for it), optional `stdin`, the expected `stdout` (or
`stdout.jsonl`, compared object by object), `stderr` (empty when absent; or
`stderr.lignes`, lines it holds in that order) and
`status`. Optional `lexiques`: a set under lexiques/ (default "mini"), or
"defaut" for none given. Optional `sortie`: "/dev/full" or "tube-ferme" (a
pipe whose reader is gone). Optional `entree`: "fermee" (standard input
closed), "dossier" (the case folder as standard input) or "echec N" (reading
`stdin` fails after N bytes, through the library ADJORA_ECHEC_LECTURE_SO).
A --conllu case also has its output checked against its input by verifier_conllu.py.
Usage: lancer_cas.py ADJORA_CLI CASE_DIR"""
import difflib, json, os, subprocess, sys
from verifier_conllu import verifier

ICI = os.path.dirname(os.path.abspath(__file__))
cli, cas = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])


def lire(nom, defaut=None):
    chemin = os.path.join(cas, nom)
    return open(chemin, "rb").read() if os.path.exists(chemin) else defaut


def lancer(arguments, entree, sortie=b"", mode=()):
    jeu = lire("lexiques", b"mini").decode().strip()
    arguments = (["--lexiques", os.path.join(ICI, "lexiques", jeu)] if jeu != "defaut" else []) + arguments
    flux = os.open("/dev/full", os.O_WRONLY) if sortie == b"/dev/full" else subprocess.PIPE
    if sortie == b"tube-ferme":
        lecteur, flux = os.pipe()
        os.close(lecteur)
    env = dict(os.environ, LD_PRELOAD=os.environ.get("ADJORA_ECHEC_LECTURE_SO", ""), ADJORA_ECHEC_LECTURE=mode[-1],
               ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0") if "echec" in mode else None
    special = {"fermee": dict(stdin=subprocess.DEVNULL, preexec_fn=lambda: os.close(0)),
               "dossier": dict(stdin=os.open(cas, os.O_RDONLY))}.get(mode[0] if mode else "", dict(input=entree))
    try:
        return subprocess.run([cli] + arguments, stdout=flux, stderr=subprocess.PIPE, timeout=60, cwd=cas, env=env,
                              **special)
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
fin = lancer(arguments, entree, lire("sortie", b"").strip(), lire("entree", b"").decode().split())
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
    erreurs += verifier(*(t.decode("utf-8", "replace").replace("\r\n", "\n") for t in (entree, fin.stdout)), reponses_tsv)
if erreurs:
    sys.exit(f"FAIL {os.path.basename(cas)}\n" + "\n".join(erreurs))
