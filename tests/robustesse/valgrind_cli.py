#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs adjora-cli under valgrind over a word list, with the shipped lexicons
and with damaged ones, and fails on any memory error or definite/indirect leak.

usage: valgrind_cli.py VALGRIND ADJORA_CLI DATA_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

MOTS = [
    "belles", "heureuse", "loyaux", "petite", "beaux", "nouvel", "fraîche", "grosse",
    "vive", "chère", "complète", "mortelle", "chanteuse", "gris", "marron", "s", "x",
    "aux", "eaux", "e", "a" * 60, "anticonstitutionnellement" * 3,
]


def lancer(valgrind, cli, dossier):
    commande = [valgrind, "--quiet", "--error-exitcode=1", "--leak-check=full",
                "--errors-for-leak-kinds=definite,indirect", "--show-leak-kinds=definite,indirect",
                cli, "--lexiques", dossier, "--explication"]
    mots = "\n".join(MOTS) + "\n"
    fin = subprocess.run(commande, input=mots.encode("utf-8"), capture_output=True, timeout=500)
    lignes = fin.stdout.decode("utf-8", "replace").splitlines()
    if fin.returncode != 0 or len(lignes) != len(MOTS):
        print(f"FAIL in {dossier}: exit status {fin.returncode}, {len(lignes)} lines for {len(MOTS)} words")
        print(fin.stderr.decode("utf-8", "replace")[-4000:])
        return False
    return True


def abimer(dossier):
    """A long word, an odd paired file without final line end, a missing file."""
    with open(os.path.join(dossier, "except_D.lex"), "ab") as f:
        f.write(b"\n" + b"z" * 5000 + b"\n")
    with open(os.path.join(dossier, "except_C.lex"), "rb") as f:
        mots = f.read().split()
    if len(mots) % 2 == 0:
        mots.append(b"solitaire")
    with open(os.path.join(dossier, "except_C.lex"), "wb") as f:
        f.write(b" ".join(mots))
    os.remove(os.path.join(dossier, "except_F.lex"))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    valgrind, cli, donnees = sys.argv[1:]
    copie = tempfile.mkdtemp(prefix="adjora-valgrind-")
    try:
        for lettre in "ABCDEFGH":
            nom = f"except_{lettre}.lex"
            shutil.copyfile(os.path.join(donnees, nom), os.path.join(copie, nom))
        abimer(copie)
        ok = lancer(valgrind, cli, donnees) and lancer(valgrind, cli, copie)
    finally:
        shutil.rmtree(copie, ignore_errors=True)
    print("ok" if ok else "FAIL")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
