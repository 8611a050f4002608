#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks what Adjora ships: `reuse lint` on a copy of the sources without build
trees and caches (a tree without .git is judged as a checkout); the Debian
packages built by CPack, each against its row of paquets.tsv (architecture,
dependencies, control members, files), the library's symbols file
(dpkg-gensymbols -c4), lintian --pedantic (no error, no warning), all unpacked
together; a DESTDIR install under a prefix of its own. In each installed tree,
adjora-cli run from elsewhere with
no --lexiques must read that tree's lexicons; desktop entry, metainfo and manual
pages must validate.

usage: paquet.py reuse|deb|destdir BUILD_DIR SOURCE_DIR WITH_UI(0|1)
"""
import glob
import gzip
import os
import shutil
import subprocess
import sys
import tempfile

from commun import construire_paquets, executer, outil, verifier


def hors_sources(dossier, noms):
    """What a checkout does not hold (.gitignore): .git, build trees, caches, node modules."""
    ignores = shutil.ignore_patterns(".git", "__pycache__", "node_modules", "*.swp")(dossier, noms)
    return ignores | {nom for nom in noms if os.path.isfile(os.path.join(dossier, nom, "CMakeCache.txt"))}


def verifier_licences(source):
    with tempfile.TemporaryDirectory(prefix="adjora-reuse-") as travail:
        copie = os.path.join(travail, "sources")
        shutil.copytree(source, copie, symlinks=True, ignore=hors_sources)
        print(executer([outil("reuse"), "--root", copie, "lint"], cwd=copie)[0])


def verifier_arbre(racine, prefixe, avec_ui):
    """The installed tree rooted at racine, which believes it lives at prefixe."""
    table = open(os.path.join(os.path.dirname(__file__), "installes.tsv"), encoding="utf-8").read().splitlines()
    attendus = [l.split("\t") for l in table if l and not l.startswith("#")]
    manquants = [f for f, ui in attendus
                 if (avec_ui or ui != "ui") and not glob.glob(os.path.join(racine, f), recursive=True)]
    verifier(not manquants, f"not installed: {manquants}")

    marque = "zorglubesques"
    lexique = os.path.join(racine, "share/adjora/except_H.lex")
    invariable = open(lexique, "rb").read().split()[0].decode("cp850")
    with open(lexique, "ab") as f:
        f.write(f"\n{marque}\n".encode())
    with tempfile.TemporaryDirectory() as ailleurs:
        sortie, erreurs = executer([os.path.join(racine, "bin/adjora-cli"), invariable, marque], cwd=ailleurs)
    lignes = [l.split("\t") for l in sortie.splitlines()]
    verifier(not erreurs and len(lignes) == 2 and lignes[1] == [marque, marque] + lignes[0][2:],
             f"the installed lexicons were not used:\n{sortie}{erreurs}")
    sortie, erreurs = executer([os.path.join(racine, "bin/adjora-cli"), "--formes", "vieilles"], cwd="/")
    verifier(not erreurs and sortie.split("\t")[2] == "vieux|vieil", f"no installed paradigms:\n{sortie}{erreurs}")

    for page in glob.glob(os.path.join(racine, "share/man/man*/*.gz")):
        texte = gzip.open(page, "rb").read()
        verifier(f"{prefixe}/share/adjora".encode() in texte, f"{page} does not name the data directory")
        if shutil.which("groff"):
            rendu = subprocess.run(["sh", "-c", "preconv | groff -man -ww -z"], input=texte, capture_output=True)
            verifier(rendu.returncode == 0 and not rendu.stderr,
                     f"groff on {page}:\n{rendu.stderr.decode(errors='replace')}")
    if avec_ui:
        entree = os.path.join(racine, "share/applications/adjora.desktop")
        executer([outil("desktop-file-validate"), entree])
        verifier(f"Path={prefixe}/share/adjora\n" in open(entree, encoding="utf-8").read(),
                 "the desktop entry does not start adjora in the data directory")
        executer([outil("appstreamcli"), "validate", "--no-net",
                  os.path.join(racine, "share/metainfo/org.adjora.Adjora.metainfo.xml")])


def controle(paquet, champ):
    return executer(["dpkg-deb", "-f", paquet, champ])[0].strip()


def verifier_paquet(chemin, ligne, racine):
    """One built package against its row of paquets.tsv; unpacks it under racine."""
    nom, architecture, dependances, membres, fichiers = ligne
    erreurs = []
    arch = controle(chemin, "Architecture")
    if (architecture == "all") != (arch == "all"):
        erreurs.append(f"Architecture: {arch}, expected {architecture}")
    depends = controle(chemin, "Depends")
    erreurs += [f"Depends lacks {d!r}: {depends}" for d in dependances.split(";") if d != "-" and d not in depends]
    liste = executer(["sh", "-c", f"dpkg-deb --ctrl-tarfile '{chemin}' | tar -t"])[0].split()
    erreurs += [f"no control member {m}" for m in membres.split() if m != "-" and f"./{m}" not in liste]
    dossier = os.path.join(racine, nom)
    os.makedirs(dossier)
    executer(["dpkg", "-x", chemin, dossier])
    erreurs += [f"does not hold {f}" for f in fichiers.split() if not glob.glob(os.path.join(dossier, f), recursive=True)]
    executer(["dpkg", "-x", chemin, os.path.join(racine, "tout")])
    return [f"{nom}: {e}" for e in erreurs]


def verifier_symboles(racine, source):
    dossier = os.path.join(racine, "libadjora1")
    bibliotheque = glob.glob(os.path.join(dossier, "usr/lib/**/libadjora.so.1"), recursive=True)
    verifier(bibliotheque, "no libadjora.so.1 in libadjora1")
    executer([outil("dpkg-gensymbols"), "-v1.0", "-plibadjora1", f"-P{dossier}", "-c4", "-O/dev/null",
              f"-I{os.path.join(source, 'packaging/libadjora1/symbols')}", f"-e{bibliotheque[0]}"])


def verifier_deb(construction, travail, avec_ui, source):
    outil("dpkg-shlibdeps")
    debs = construire_paquets(construction, travail)
    paquets = {os.path.basename(p).split("_")[0]: p for p in debs}
    lignes = [l.split("\t") for l in open(os.path.join(source, "tests/paquet/paquets.tsv"), encoding="utf-8")
              .read().splitlines() if l and not l.startswith("#")]
    verifier(lignes and all(len(l) == 5 for l in lignes), "paquets.tsv: rows of 5 columns expected")
    erreurs = []
    for ligne in lignes:
        optionnel = ligne[0].endswith("?")
        ligne[0] = ligne[0].rstrip("?")
        if ligne[0] in paquets:
            erreurs += verifier_paquet(paquets.pop(ligne[0]), ligne, os.path.join(travail, "paquets"))
        elif not optionnel:
            erreurs.append(f"{ligne[0]} was not built")
    erreurs += [f"{nom} is in no row of paquets.tsv" for nom in paquets]
    verifier(not erreurs, "\n".join(erreurs))
    verifier_symboles(os.path.join(travail, "paquets"), source)
    rapport, _ = executer([outil("lintian"), "--pedantic", "--allow-root", "--fail-on", "error,warning"] + debs)
    verifier_arbre(os.path.join(travail, "paquets/tout/usr"), "/usr", avec_ui)
    print(f"ok deb: {', '.join(os.path.basename(p) for p in debs)}; lintian --pedantic:\n{rapport}")


def verifier_destdir(construction, travail, avec_ui):
    prefixe = "/opt/adjora-essai"
    executer(["cmake", "--install", construction, "--prefix", prefixe],
             env=dict(os.environ, DESTDIR=os.path.join(travail, "dest")))
    racine = os.path.join(travail, "dest") + prefixe
    verifier_arbre(racine, prefixe, avec_ui)
    print(f"ok destdir: {prefixe} under DESTDIR")


if len(sys.argv) != 5 or sys.argv[1] not in ("reuse", "deb", "destdir"):
    sys.exit(__doc__)
mode, construction, source, avec_ui = sys.argv[1:]
try:
    if mode == "reuse":
        verifier_licences(source)
    else:
        with tempfile.TemporaryDirectory(prefix=f"adjora-{mode}-") as travail:
            if mode == "deb":
                verifier_deb(construction, travail, avec_ui == "1", source)
            else:
                verifier_destdir(construction, travail, avec_ui == "1")
except AssertionError as e:
    sys.exit(f"FAIL {mode}: {e}")
