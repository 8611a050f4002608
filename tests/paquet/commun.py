# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""What paquet.py and chroot.py share: tools, commands, the packages CPack builds."""
import glob
import os
import shutil
import subprocess
import sys


def outil(nom):
    if shutil.which(nom) is None:
        print(f"SKIP: {nom} is not installed (tools/installer-dependances.sh installs it)")
        sys.exit(77)
    return nom


def verifier(condition, message):
    if not condition:
        raise AssertionError(message)


def executer(commande, **options):
    """Standard output and error of a command that must succeed."""
    fin = subprocess.run(commande, capture_output=True, text=True, errors="replace", timeout=900, **options)
    if fin.returncode != 0:
        raise AssertionError(f"{' '.join(commande)} -> {fin.returncode}\n{fin.stdout[-4000:]}\n{fin.stderr[-4000:]}")
    return fin.stdout, fin.stderr


def construire_paquets(construction, dossier):
    executer([outil("cpack"), "-G", "DEB", "--config", os.path.join(construction, "CPackConfig.cmake"),
              "-B", dossier], cwd=construction)
    return sorted(glob.glob(os.path.join(dossier, "*.deb")))
