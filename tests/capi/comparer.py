#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""A client of the library against adjora-cli, both installed as a user installs them.

Installs the build tree in a scratch prefix and runs there the client (c:
client.c built with `cc -std=c99 -pedantic -Werror $(pkg-config --cflags
--libs adjora)`; python: tests/python/client.py over the installed module)
and the installed adjora-cli on the same inputs: the words and the CoNLL-U
files of the command-line cases, on the shipped lexicons (the library's and
the program's own lookup) and on the test sets. Their answers must be the
same, CoNLL-U byte for byte, and so must the lines each refuses or cuts; the
Python client must also report the same lexicons and CoNLL-U lines.
Usage: comparer.py BUILD_DIR CLI_CASES_DIR CLI_LEXICONS_DIR c|python [asan]"""
import glob
import os
import re
import subprocess
import sys
import tempfile

CONSTRUCTION, CAS, LEXIQUES = (os.path.abspath(a) for a in sys.argv[1:4])
PYTHON = sys.argv[4] == "python"
ASAN = sys.argv[5:] == ["asan"]
ICI = os.path.dirname(os.path.abspath(__file__))
CODES = {"masculin": "0", "féminin": "1", "singulier": "0", "pluriel": "1",
         "indéterminé": "2", "invariable": "3"}


def lancer(commande, entree=b"", env=None):
    return subprocess.run(commande, input=entree, capture_output=True, env=env, timeout=300)


def installer(prefixe):
    """The whole build installed under `prefixe`; the environment that finds it."""
    fin = lancer(["cmake", "--install", CONSTRUCTION, "--prefix", prefixe])
    if fin.returncode != 0:
        sys.exit(f"FAIL install: {fin.stderr.decode()}")
    pc = glob.glob(os.path.join(prefixe, "**", "pkgconfig", "adjora.pc"), recursive=True)
    if len(pc) != 1:
        sys.exit(f"FAIL adjora.pc installed {len(pc)} times")
    env = dict(os.environ, PKG_CONFIG_PATH=os.path.dirname(pc[0]))
    libdir = lancer(["pkg-config", "--variable=libdir", "adjora"], env=env).stdout.decode().strip()
    env["LD_LIBRARY_PATH"] = libdir
    return env


def pour_executer(env):
    """The environment of the programs run: the sanitized library needs its
    runtime loaded first in a plain C program (the interpreter gets it from CTest)."""
    if not ASAN or PYTHON:
        return env
    runtime = lancer(["cc", "-print-file-name=libasan.so"]).stdout.decode().strip()
    return dict(env, LD_PRELOAD=runtime, ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=1")


def verifier_bibliotheque(env):
    """The installed library: its SONAME, and nothing exported but the API."""
    libdir = env["LD_LIBRARY_PATH"]
    entete = lancer(["objdump", "-p", os.path.join(libdir, "libadjora.so")]).stdout.decode()
    symboles = lancer(["nm", "-D", "--defined-only", os.path.join(libdir, "libadjora.so.1")]).stdout.decode()
    noms = [ligne.split()[-1] for ligne in symboles.splitlines() if ligne.strip()]
    etrangers = [n for n in noms if not n.startswith(("adjora_", "LIBADJORA_"))]
    erreurs = []
    if not re.search(r"SONAME\s+libadjora\.so\.1\n", entete):
        erreurs.append("SONAME is not libadjora.so.1")
    if etrangers or len(noms) < 10:
        erreurs.append(f"{len(noms)} symbols exported, {len(etrangers)} outside the API: {etrangers[:10]}")
    return erreurs


def marquer_donnees(prefixe):
    """A word added to the installed list H only, so that the installed data
    and the source tree's answer it differently; returns it."""
    marque = "zorglubesques"
    lexiques = glob.glob(os.path.join(prefixe, "**", "adjora", "except_H.lex"), recursive=True)
    with open(lexiques[0], "ab") as f:
        f.write(f"\n{marque}\n".encode())
    return marque.encode()


def construire_client(prefixe, env):
    """The command running the client, and its environment."""
    if PYTHON:
        paquets = os.path.join(prefixe, "lib", "python3", "dist-packages")
        return [sys.executable, os.path.join(ICI, "..", "python", "client.py")], dict(env, PYTHONPATH=paquets)
    drapeaux = lancer(["pkg-config", "--cflags", "--libs", "adjora"], env=env)
    if drapeaux.returncode != 0:
        sys.exit(f"FAIL pkg-config: {drapeaux.stderr.decode()}")
    client = os.path.join(prefixe, "client")
    commande = ["cc", "-std=c99", "-pedantic", "-Werror", "-Wall", "-Wextra",
                os.path.join(ICI, "client.c"), "-o", client] + drapeaux.stdout.decode().split()
    fin = lancer(commande, env=env)
    if fin.returncode != 0:
        sys.exit(f"FAIL building the C client: {' '.join(commande)}\n{fin.stderr.decode()}")
    return [client], env


def lire(chemin):
    with open(chemin, "rb") as f:
        return f.read()


def entrees():
    """The words and the CoNLL-U inputs of the command-line cases."""
    mots = []
    conllu = []
    for cas in sorted(glob.glob(os.path.join(CAS, "*"))):
        arguments = lire(os.path.join(cas, "args")).decode().split("\n")
        stdin = os.path.join(cas, "stdin")
        if "--conllu" in arguments:
            conllu += [lire(f) for f in glob.glob(os.path.join(cas, "*.conllu"))]
            conllu += [lire(stdin)] if os.path.exists(stdin) else []
            continue
        mots += [a.encode() for a in arguments if a and not a.startswith("-")]
        mots += lire(stdin).split(b"\n") if os.path.exists(stdin) else []
    if not mots or not conllu:
        sys.exit(f"FAIL no words or no CoNLL-U input under {CAS}")
    return b"\n".join(mots) + b"\n", conllu


def lignes_signalees(erreurs, prefixe):
    return sorted(set(re.findall(prefixe + rb"ligne (\d+)", erreurs)))


def lexiques_signales(cli, client):
    """The lexicon files adjora-cli and the client report, paradigmes.lex aside."""
    fichiers = re.findall(rb"(?m)^\* FICHIER : (.*?)(?: \([^)]*\))?$", cli.stderr)
    noms_cli = {os.path.basename(f) for f in fichiers} - {b"paradigmes.lex"}
    noms_client = set(re.findall(rb"(?m)^lexique (.*)$", client.stderr)) - {b"paradigmes.lex"}
    if noms_cli == noms_client:
        return []
    return [f"lexicon reports: adjora-cli {sorted(noms_cli)}, client {sorted(noms_client)}"]


def comparer(nom, cli, client, mots):
    """Each CLI answer line against the client's, the client's numbers aside
    for words; CoNLL-U output byte for byte."""
    erreurs = []
    if client.returncode != 0:
        erreurs.append(f"client status {client.returncode}: {client.stderr.decode()[:500]}")
    attendu = cli.stdout.split(b"\n")
    obtenu = client.stdout.split(b"\n")
    if mots:
        attendu = [ligne.split(b"\t", 1)[-1] for ligne in attendu]
        obtenu = [ligne.split(b"\t", 1)[-1] for ligne in obtenu]
    if len(attendu) != len(obtenu):
        erreurs.append(f"{len(obtenu)} lines, adjora-cli {len(attendu)}")
    ecarts = [(a, o) for a, o in zip(attendu, obtenu) if a != o]
    erreurs += [f"adjora-cli: {a[:300]!r}\nclient:     {o[:300]!r}" for a, o in ecarts[:5]]
    cli_lignes = lignes_signalees(cli.stderr, b"adjora-cli : ")
    client_lignes = lignes_signalees(client.stderr, b"(?m)^")
    if mots or PYTHON:
        # adjora-cli names CoNLL-U lines the library gives no word about.
        if not mots:
            cli_lignes = sorted(set(cli_lignes) & set(client_lignes))
        if cli_lignes != client_lignes:
            erreurs.append(f"lines refused or cut: adjora-cli {cli_lignes}, client {client_lignes}")
    if PYTHON:
        erreurs += lexiques_signales(cli, client)
    return [f"{nom}: {e}" for e in erreurs]


def en_codes(sortie):
    """adjora-cli's gender and number names as the API's codes."""
    lignes = []
    for ligne in sortie.decode("utf-8").splitlines():
        c = ligne.split("\t")
        if len(c) >= 4:
            c[2] = CODES.get(c[2], c[2])
            c[3] = CODES.get(c[3], c[3])
        lignes.append("\t".join(c))
    return ("\n".join(lignes) + "\n").encode() if lignes else b""


def main():
    echecs = []
    with tempfile.TemporaryDirectory(prefix="adjora-capi-") as prefixe:
        env = installer(prefixe)
        echecs += verifier_bibliotheque(env)
        client, env = construire_client(prefixe, env)
        env = pour_executer(env)
        cli = os.path.join(prefixe, "bin", "adjora-cli")
        mots, fichiers_conllu = entrees()
        mots += marquer_donnees(prefixe) + b"\n"
        jeux = [("-", [])] + [(d, ["--lexiques", d]) for d in sorted(glob.glob(os.path.join(LEXIQUES, "*")))]
        for dossier, option in jeux:
            nom = os.path.basename(dossier)
            reponse = lancer([cli, "--explication", "--regles"] + option, mots, env)
            reponse = subprocess.CompletedProcess(reponse.args, reponse.returncode,
                                                  en_codes(reponse.stdout), reponse.stderr)
            echecs += comparer(f"{nom}, words", reponse, lancer(client + ["mots", dossier], mots, env), True)
            echecs += comparer(f"{nom}, forms", lancer([cli, "--formes", "--explication"] + option, mots, env),
                               lancer(client + ["formes", dossier], mots, env), True)
            for i, texte in enumerate(fichiers_conllu):
                for mode, drapeaux in (("conllu", ["--conllu"]), ("conllu-explication", ["--conllu", "--explication"])):
                    echecs += comparer(f"{nom}, CoNLL-U input {i}, {mode}", lancer([cli] + drapeaux + option, texte, env),
                                       lancer(client + [mode, dossier], texte, env), False)
        print(f"{len(mots.splitlines())} words, {len(fichiers_conllu)} CoNLL-U inputs, {len(jeux)} lexicon sets")
    if echecs:
        sys.exit("FAIL\n" + "\n".join(echecs))


main()
