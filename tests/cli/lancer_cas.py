#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs one adjora-cli case: a folder holding `args` (one argument per line; the
program runs in the folder, @CAS@ stands for it), optional `stdin`, the expected
`stdout` (or `stdout.jsonl`, compared object by object), `stderr` and `status`.
In `stderr`, @CAS@ stands for the case folder, @LEXIQUES@ for the lexicon set's
folder and @MAINTENEUR@ for the maintainer named in error reports
(ADJORA_MAINTENEUR).
Optional `lexiques`: a set under lexiques/ (default "mini"), or "defaut" for none
given. Optional `sortie`: "/dev/full" or "tube-ferme" (a pipe whose reader is
gone); nothing is then read from standard output. Optional `entree`: "fermee"
(standard input closed), "dossier" (the case folder as standard input) or
"echec N [EINTR|EAGAIN]" (reading `stdin` fails after N bytes, for good or
once, through the library named by ADJORA_ECHEC_LECTURE_SO). A folder that lacks one of its four files, or names
an unknown set, output or input, fails.
Usage: lancer_cas.py ADJORA_CLI CASE_DIR"""
import difflib, json, os, subprocess, sys

LEXIQUES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lexiques")
CLI = os.path.abspath(sys.argv[1])
CAS = os.path.abspath(sys.argv[2])
FICHIERS = [["args"], ["status"], ["stdout", "stdout.jsonl"], ["stderr"]]


def lire(nom, defaut=None):
    chemin = os.path.join(CAS, nom)
    if os.path.isfile(chemin):
        return open(chemin, "rb").read()
    return defaut


def fermer_entree():
    os.close(0)


def entree_connue(mode):
    """Whether `entree` names an input this runner knows."""
    if mode in ([], ["fermee"], ["dossier"]):
        return True
    if mode[:1] != ["echec"] or len(mode) < 2 or not mode[1].isdigit():
        return False
    return len(mode) == 2 or (len(mode) == 3 and mode[2] in ("EINTR", "EAGAIN"))


def lancer(arguments, entree, sortie, mode):
    """Runs adjora-cli in the case folder: `entree` on its standard input unless
    `mode` says otherwise, its standard output sent to `sortie`."""
    flux = subprocess.PIPE
    if sortie == "/dev/full":
        flux = os.open(sortie, os.O_WRONLY)
    if sortie == "tube-ferme":
        lecteur, flux = os.pipe()
        os.close(lecteur)
    options = {"input": entree}
    if mode[:1] == ["fermee"]:
        options = {"stdin": subprocess.DEVNULL, "preexec_fn": fermer_entree}
    if mode[:1] == ["dossier"]:
        options = {"stdin": os.open(CAS, os.O_RDONLY)}
    if mode[:1] == ["echec"]:
        options["env"] = dict(os.environ, LD_PRELOAD=os.environ.get("ADJORA_ECHEC_LECTURE_SO", ""),
                              ADJORA_ECHEC_LECTURE=mode[1], ADJORA_ECHEC_ERRNO=" ".join(mode[2:]),
                              ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
    try:
        return subprocess.run([CLI] + arguments, stdout=flux, stderr=subprocess.PIPE, timeout=60, cwd=CAS,
                              **options)
    finally:
        if flux != subprocess.PIPE:
            os.close(flux)


def ecart(nom, attendu, obtenu):
    """What differs between an expected and an actual output, as a diff."""
    if attendu == obtenu:
        return []
    diff = difflib.unified_diff(attendu.decode("utf-8", "replace").splitlines(),
                                obtenu.decode("utf-8", "replace").splitlines(),
                                f"expected {nom}", f"actual {nom}", lineterm="")
    return list(diff) or [f"{nom}: {attendu!r} != {obtenu!r}"]


def objets(texte):
    return [json.loads(ligne) for ligne in texte.decode("utf-8").split("\n") if ligne]


jeu = lire("lexiques", b"mini").decode().strip()
sortie = lire("sortie", b"").decode().strip()
mode = lire("entree", b"").decode().split()
erreurs = [f"no {noms[0]} file" for noms in FICHIERS if all(lire(nom) is None for nom in noms)]
if jeu != "defaut" and not os.path.isdir(os.path.join(LEXIQUES, jeu)):
    erreurs.append(f"unknown lexicon set: {jeu}")
if sortie not in ("", "/dev/full", "tube-ferme"):
    erreurs.append(f"unknown output: {sortie}")
if not entree_connue(mode):
    erreurs.append(f"unknown input: {' '.join(mode)}")
if erreurs:
    sys.exit(f"FAIL {os.path.basename(CAS)}\n" + "\n".join(erreurs))

arguments = [a.replace("@CAS@", CAS) for a in lire("args").decode().split("\n")]
if arguments[-1] == "":
    arguments.pop()
if jeu != "defaut":
    arguments = ["--lexiques", os.path.join(LEXIQUES, jeu)] + arguments
fin = lancer(arguments, lire("stdin", b""), sortie, mode)
if fin.returncode != int(lire("status")):
    erreurs.append(f"status {fin.returncode}, expected {int(lire('status'))}")
stderr = fin.stderr.replace(CAS.encode(), b"@CAS@")
stderr = stderr.replace(os.path.join(LEXIQUES, jeu).encode(), b"@LEXIQUES@")
stderr = stderr.replace(os.environ["ADJORA_MAINTENEUR"].encode(), b"@MAINTENEUR@")
erreurs += ecart("stderr", lire("stderr"), stderr)
stdout = fin.stdout or b""
if lire("stdout.jsonl") is None:
    erreurs += ecart("stdout", lire("stdout"), stdout)
elif objets(lire("stdout.jsonl")) != objets(stdout):
    erreurs.append(f"JSON objects differ:\n{objets(lire('stdout.jsonl'))}\n{objets(stdout)}")
if erreurs:
    sys.exit(f"FAIL {os.path.basename(CAS)}\n" + "\n".join(erreurs))
