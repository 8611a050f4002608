#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Installs every package CPack builds into a fresh minimal Debian 12 chroot
(debootstrap --variant=minbase) with `apt-get install ./*.deb`, then, inside
it: `import adjora` answers "belles", so does tests/capi/client.c built with
pkg-config (cc -std=c99 -pedantic -Werror), and adjora-cli finds the installed
lexicons.

The debootstrap result is kept as a tarball, and the packages apt downloads in
a folder beside it (ADJORA_CACHE_CHROOT, default /var/cache/adjora): after the
first run, a run needs the network only for packages the mirror has changed.
Runs as root, through sudo when it asks no password; skips (77) without
debootstrap, or without root or such a sudo.

usage: chroot.py BUILD_DIR SOURCE_DIR"""
import fcntl
import glob
import os
import shutil
import subprocess
import sys
import tempfile

from commun import construire_paquets, executer, outil, verifier

MIROIR = "http://deb.debian.org/debian"
CACHE = os.environ.get("ADJORA_CACHE_CHROOT", "/var/cache/adjora")
BASE = os.path.join(CACHE, "bookworm-minbase.tar")
ARCHIVES = os.path.join(CACHE, "archives")
OUTILS = ["gcc", "libc6-dev", "pkg-config"]

PROGRAMME_PYTHON = ("import adjora; r = adjora.analyser('belles'); "
                    "print(r.lemme, r.genre.ud, r.nombre.ud, adjora.formes('belles').masculin_singulier)")


def dans(racine, commande):
    env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "DEBIAN_FRONTEND": "noninteractive", "LC_ALL": "C.UTF-8",
           "HOME": "/root"}
    return executer(["chroot", racine, "sh", "-c", commande], env=env)[0]


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


def verifier_installation(racine, source):
    sortie = dans(racine, f'cd /tmp && python3 -c "{PROGRAMME_PYTHON}"')
    verifier(sortie.strip() == "beau Fem Plur ('beau', 'bel')", f"python3 in the chroot: {sortie!r}")
    shutil.copy(os.path.join(source, "tests/capi/client.c"), os.path.join(racine, "tmp"))
    dans(racine, "cd /tmp && cc -std=c99 -pedantic -Werror -o client client.c $(pkg-config --cflags --libs adjora)")
    sortie = dans(racine, "cd / && echo belles | /tmp/client mots -")
    verifier(sortie.split("\t")[:4] == ["1", "beau", "1", "1"], f"the C program in the chroot: {sortie!r}")
    sortie = dans(racine, "cd / && adjora-cli belles")
    verifier(sortie.split("\t")[:2] == ["belles", "beau"], f"adjora-cli in the chroot: {sortie!r}")
    return dans(racine, "dpkg-query -W 'libadjora*' 'python3-adjora' 'adjora*'")


def principal():
    construction = os.path.abspath(sys.argv[1])
    outil("debootstrap")
    outil("chroot")
    outil("cpack")
    if os.geteuid() != 0 and shutil.which("sudo") and subprocess.run(["sudo", "-n", "true"]).returncode == 0:
        os.execvp("sudo", ["sudo", "-n", "--preserve-env=ADJORA_CACHE_CHROOT", sys.executable] + sys.argv)
    if os.geteuid() != 0:
        print("SKIP: chroot needs root (or sudo without a password)")
        sys.exit(77)
    preparer_base()
    with tempfile.TemporaryDirectory(dir=construction, prefix="chroot-") as travail:
        paquets = construire_paquets(construction, os.path.join(travail, "debs"))
        racine = os.path.join(travail, "racine")
        os.makedirs(racine)
        executer(["tar", "-C", racine, "-xpf", BASE])
        installer(racine, paquets)
        # The programs find their data from /proc/self/exe.
        executer(["mount", "-t", "proc", "proc", os.path.join(racine, "proc")])
        try:
            print(verifier_installation(racine, sys.argv[2]))
        finally:
            executer(["umount", os.path.join(racine, "proc")])
    print(f"ok chroot: {', '.join(os.path.basename(p) for p in paquets)}")


try:
    principal()
except AssertionError as e:
    sys.exit(f"FAIL chroot: {e}")
