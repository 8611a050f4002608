#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Installs every package CPack builds into a fresh minimal Debian 12 chroot
(debootstrap --variant=minbase) with `apt-get install ./*.deb`, then, inside
it: `import adjora` answers "belles", a C program built with pkg-config
(cc -std=c99 -pedantic -Werror) links libadjora and answers it too, and
adjora-cli finds the installed lexicons.

The debootstrap result is kept as a tarball, and the packages apt downloads in
a folder beside it (ADJORA_CACHE_CHROOT, default /var/cache/adjora): after the
first run, a run needs the network only for packages the mirror has changed.
Runs as root (chroot), through sudo when it asks no password; skips (77)
without debootstrap, or without root or such a sudo.

usage: chroot.py BUILD_DIR SOURCE_DIR"""
import fcntl
import glob
import os
import shutil
import subprocess
import sys
import tempfile

MIROIR = "http://deb.debian.org/debian"
CACHE = os.environ.get("ADJORA_CACHE_CHROOT", "/var/cache/adjora")
BASE = os.path.join(CACHE, "bookworm-minbase.tar")
ARCHIVES = os.path.join(CACHE, "archives")
OUTILS = ["gcc", "libc6-dev", "pkg-config"]

PROGRAMME_C = r"""
#include <stdio.h>
#include <adjora.h>

int main(void) {
    adjora* lexiques = NULL;
    adjora_analyse analyse;
    if (adjora_ouvrir(NULL, NULL, NULL, &lexiques) != ADJORA_OK) {
        return 2;
    }
    if (adjora_analyser(lexiques, "belles", 0, &analyse) != ADJORA_OK) {
        return 3;
    }
    printf("%s %d %d %s\n", analyse.lemme, (int)analyse.genre, (int)analyse.nombre, adjora_version());
    adjora_fermer(lexiques);
    return 0;
}
"""

PROGRAMME_PYTHON = ("import adjora; r = adjora.analyser('belles'); "
                    "print(r.lemme, r.genre.ud, r.nombre.ud, adjora.formes('belles').masculin_singulier)")


def executer(commande, **options):
    fin = subprocess.run(commande, capture_output=True, text=True, errors="replace", timeout=600, **options)
    if fin.returncode != 0:
        raise AssertionError(f"{' '.join(commande)} -> {fin.returncode}\n{fin.stdout[-3000:]}\n{fin.stderr[-3000:]}")
    return fin.stdout


def dans(racine, commande):
    """Runs a shell command in the chroot."""
    env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "DEBIAN_FRONTEND": "noninteractive", "LC_ALL": "C.UTF-8",
           "HOME": "/root"}
    return executer(["chroot", racine, "sh", "-c", commande], env=env)


def preparer_base():
    """The debootstrap tarball, made once (others may wait on the lock)."""
    os.makedirs(ARCHIVES, exist_ok=True)
    with open(os.path.join(CACHE, "verrou"), "w") as verrou:
        fcntl.flock(verrou, fcntl.LOCK_EX)
        if os.path.isfile(BASE):
            return
        with tempfile.TemporaryDirectory(dir=CACHE) as travail:
            racine = os.path.join(travail, "racine")
            executer(["debootstrap", "--variant=minbase", "bookworm", racine, MIROIR])
            dans(racine, "apt-get clean")
            executer(["tar", "-C", racine, "-cf", BASE + ".tmp", "."])
            os.rename(BASE + ".tmp", BASE)


def installer(racine, paquets):
    """apt-get install ./*.deb and the C tools, the archives cache lent and refilled."""
    archives = os.path.join(racine, "var/cache/apt/archives")
    for fichier in glob.glob(os.path.join(ARCHIVES, "*.deb")):
        shutil.copy(fichier, archives)
    os.makedirs(os.path.join(racine, "paquets"))
    for paquet in paquets:
        shutil.copy(paquet, os.path.join(racine, "paquets"))
    liste = " ".join(f"./{os.path.basename(p)}" for p in paquets)
    shutil.copy("/etc/resolv.conf", os.path.join(racine, "etc/resolv.conf"))
    dans(racine, "apt-get update -q")
    dans(racine, f"cd /paquets && apt-get install -y -q --no-install-recommends {liste} {' '.join(OUTILS)}")
    for fichier in glob.glob(os.path.join(archives, "*.deb")):
        if not os.path.exists(os.path.join(ARCHIVES, os.path.basename(fichier))):
            shutil.copy(fichier, ARCHIVES)


def verifier(racine):
    sortie = dans(racine, f'cd /tmp && python3 -c "{PROGRAMME_PYTHON}"')
    if sortie.strip() != "beau Fem Plur ('beau', 'bel')":
        raise AssertionError(f"python3 in the chroot: {sortie!r}")
    with open(os.path.join(racine, "tmp/essai.c"), "w") as f:
        f.write(PROGRAMME_C)
    dans(racine, "cd /tmp && cc -std=c99 -pedantic -Werror -o essai essai.c $(pkg-config --cflags --libs adjora)")
    sortie = dans(racine, "cd / && /tmp/essai")
    if sortie.split() != ["beau", "1", "1", "1.0"]:
        raise AssertionError(f"the C program in the chroot: {sortie!r}")
    sortie = dans(racine, "cd / && adjora-cli belles")
    if sortie.split("\t")[:2] != ["belles", "beau"]:
        raise AssertionError(f"adjora-cli in the chroot: {sortie!r}")
    return dans(racine, "dpkg-query -W 'libadjora*' 'python3-adjora' 'adjora*'")


def principal():
    construction = os.path.abspath(sys.argv[1])
    for outil in ("debootstrap", "chroot", "cpack"):
        if shutil.which(outil) is None:
            print(f"SKIP: {outil} is not installed (tools/installer-dependances.sh installs it)")
            sys.exit(77)
    if os.geteuid() != 0 and shutil.which("sudo") and subprocess.run(["sudo", "-n", "true"]).returncode == 0:
        os.execvp("sudo", ["sudo", "-n", "--preserve-env=ADJORA_CACHE_CHROOT", sys.executable] + sys.argv)
    if os.geteuid() != 0:
        print("SKIP: chroot needs root (or sudo without a password)")
        sys.exit(77)
    preparer_base()
    with tempfile.TemporaryDirectory(dir=construction, prefix="chroot-") as travail:
        executer(["cpack", "-G", "DEB", "--config", os.path.join(construction, "CPackConfig.cmake"),
                  "-B", os.path.join(travail, "debs")], cwd=construction)
        paquets = sorted(glob.glob(os.path.join(travail, "debs", "*.deb")))
        racine = os.path.join(travail, "racine")
        os.makedirs(racine)
        executer(["tar", "-C", racine, "-xpf", BASE])
        installer(racine, paquets)
        # The programs find their data from /proc/self/exe.
        executer(["mount", "-t", "proc", "proc", os.path.join(racine, "proc")])
        try:
            print(verifier(racine))
        finally:
            executer(["umount", os.path.join(racine, "proc")])
    print(f"ok chroot: {', '.join(os.path.basename(p) for p in paquets)}")


try:
    principal()
except AssertionError as e:
    sys.exit(f"FAIL chroot: {e}")
