#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plants the faults of fautes.tsv one at a time in a scratch copy of the tree
(ADJORA_COPIE, /tmp/adjora-fautes), rebuilds it incrementally (through ccache
when it is installed), runs the test suite but the package and robustness
stages, and tells whether it caught each fault, and by which tests. A developer's
tool, not part of CI.
usage: tools/fautes/planter.py [N ...]   (N: numbers of the faults to plant; all by default)
Exit status 1 when a fault was not caught."""
import os
import re
import shutil
import subprocess
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.dirname(os.path.dirname(ICI))
COPIE = os.environ.get("ADJORA_COPIE", "/tmp/adjora-fautes")
CONSTRUCTION = os.path.join(COPIE, "build")


def texte(champ):
    """A field of fautes.tsv with its \\n and \\t turned into line feeds and tabs."""
    return champ.encode().decode("unicode_escape").encode("latin-1").decode()


def lire_fautes():
    """The rows of fautes.tsv: file, text, replacement, what the fault does."""
    fautes = []
    with open(os.path.join(ICI, "fautes.tsv"), encoding="utf-8") as fichier:
        for numero, ligne in enumerate(fichier, 1):
            champs = ligne.rstrip("\n").split("\t")
            if ligne.strip() and not ligne.startswith("#") and len(champs) != 4:
                sys.exit(f"fautes.tsv, line {numero}: {len(champs)} fields instead of 4")
            if ligne.strip() and not ligne.startswith("#"):
                fautes.append(champs)
    return fautes


def reussit(*commande):
    """Whether a command succeeds; its output is dropped."""
    fin = subprocess.run(commande, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
    return fin.returncode == 0


def construire():
    return reussit("cmake", "--build", CONSTRUCTION)


def echecs():
    """The tests that fail (the suite stops at the first); none when it passes."""
    fin = subprocess.run(["ctest", "--test-dir", CONSTRUCTION, "-j2", "--stop-on-failure",
                          "--timeout", "120", "-E", "paquet|robustesse"],
                         capture_output=True, text=True, errors="replace")
    echoues = fin.stdout.partition("The following tests FAILED:")[2]  # not those skipped
    noms = re.findall(r"^\s*\d+ - (\S+) ", echoues, re.MULTILINE)
    if fin.returncode != 0 and not noms:
        noms = ["ctest"]
    return noms


def copier_arbre():
    """Copies the tree into COPIE; only files that differ, so the build stays incremental."""
    for dossier, sous, fichiers in os.walk(RACINE):
        sous[:] = [d for d in sous if not d.startswith(("build", ".git"))]
        cible = os.path.join(COPIE, os.path.relpath(dossier, RACINE))
        os.makedirs(cible, exist_ok=True)
        for nom in fichiers:
            source = os.path.join(dossier, nom)
            copie = os.path.join(cible, nom)
            if not os.path.exists(copie) or open(source, "rb").read() != open(copie, "rb").read():
                shutil.copy(source, copie)


def configurer():
    commande = ["cmake", "-S", COPIE, "-B", CONSTRUCTION, "-G", "Ninja",
                "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DADJORA_BUILD_BENCH=OFF"]
    if shutil.which("ccache"):
        commande.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    return reussit(*commande)


def codage(chemin):
    """Lexicon files are code page 850; every other file is UTF-8."""
    if chemin.endswith(".lex"):
        return "cp850"
    return "utf-8"


def verdict(chemin, avant, apres):
    """Plants one fault in the file, rebuilds, tests, and restores the file."""
    original = open(chemin, encoding=codage(chemin), newline="").read()
    if texte(avant) not in original:
        return "TEXT NOT FOUND"
    fautif = original.replace(texte(avant), texte(apres), 1)
    open(chemin, "w", encoding=codage(chemin), newline="").write(fautif)
    resultat = "NOT CAUGHT"
    if not construire():
        resultat = "DOES NOT BUILD"
    else:
        noms = echecs()
        if noms:
            resultat = "caught by " + ", ".join(noms)
    open(chemin, "w", encoding=codage(chemin), newline="").write(original)
    return resultat


def main():
    numeros = [int(n) for n in sys.argv[1:]]
    fautes = lire_fautes()
    copier_arbre()
    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    if not (configurer() and construire()) or echecs():
        sys.exit("the suite fails without any fault: fix that first")
    manques = 0
    for numero, (fichier, avant, apres, quoi) in enumerate(fautes, 1):
        if numeros and numero not in numeros:
            continue
        resultat = verdict(os.path.join(COPIE, fichier), avant, apres)
        if not resultat.startswith("caught"):
            manques += 1
        print(f"{numero:3} {fichier}: {quoi}: {resultat}", flush=True)
    construire()  # leaves the copy built without faults
    print(f"{manques} fault(s) not caught")
    return 1 if manques else 0


sys.exit(main())
