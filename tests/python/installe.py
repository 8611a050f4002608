#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Installs the components python, bibliotheque and donnees alone under a
prefix of their own (DESTDIR), then imports adjora from there in a fresh
interpreter: the installed package, its stubs and py.typed must be there, and
the module with no folder given must read the lexicons installed beside the
library (a word appended to the installed list H comes back invariable), the
library being found through a link to its folder (as /lib -> usr/lib).

usage: installe.py BUILD_DIR"""
import glob
import os
import subprocess
import sys
import tempfile

PREFIXE = "/opt/adjora-python"
MARQUE = "zorglubesques"
ESSAI = ("import adjora; r = adjora.analyser('" + MARQUE + "'); "
         "print(adjora.__file__, r.lemme, r.genre.francais, r.nombre.francais)")


def executer(commande, **options):
    fin = subprocess.run(commande, capture_output=True, text=True, timeout=300, **options)
    if fin.returncode != 0:
        sys.exit(f"FAIL: {' '.join(commande)} -> {fin.returncode}\n{fin.stdout}\n{fin.stderr}")
    return fin


def principal():
    construction = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="adjora-python-") as dest:
        env = dict(os.environ, DESTDIR=dest)
        for composant in ("python", "bibliotheque", "donnees"):
            executer(["cmake", "--install", construction, "--prefix", PREFIXE, "--component", composant], env=env)
        racine = dest + PREFIXE
        paquet = glob.glob(os.path.join(racine, "lib/python3/dist-packages/adjora"))
        attendus = ["__init__.py", "_adjora.pyi", "py.typed"]
        if not paquet or any(not os.path.isfile(os.path.join(paquet[0], f)) for f in attendus):
            sys.exit(f"FAIL: no complete package under {racine}/lib/python3/dist-packages")
        bibliotheques = glob.glob(os.path.join(racine, "lib*/**/libadjora.so.1"), recursive=True)
        if len(bibliotheques) != 1:
            sys.exit(f"FAIL: libadjora.so.1 installed {len(bibliotheques)} times")
        with open(os.path.join(racine, "share/adjora/except_H.lex"), "ab") as liste:
            liste.write(f"\n{MARQUE}\n".encode())
        # The loader finds the library through a link, as /lib -> usr/lib.
        lien = os.path.join(dest, "lien")
        os.symlink(os.path.dirname(bibliotheques[0]), lien)
        env = {"PATH": os.environ["PATH"], "LD_LIBRARY_PATH": lien, "PYTHONDONTWRITEBYTECODE": "1"}
        for variable in ("LD_PRELOAD", "ASAN_OPTIONS"):
            if variable in os.environ:
                env[variable] = os.environ[variable]
        fin = executer([sys.executable, "-I", "-c", "import sys; sys.path.insert(0, sys.argv[1]); " + ESSAI,
                        os.path.dirname(paquet[0])], env=env, cwd="/")
        obtenu = fin.stdout.split()
        attendu = [os.path.join(paquet[0], "__init__.py"), MARQUE, "invariable", "invariable"]
        if obtenu != attendu or fin.stderr:
            sys.exit(f"FAIL: {obtenu} {fin.stderr}\nexpected {attendu}")
    print(f"ok: {' '.join(obtenu)}")


principal()
