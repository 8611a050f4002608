#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the installed layout of Adjora.

  deb:     builds the Debian package with CPack, checks its control fields and
           contents, extracts it (dpkg -x) and runs the extracted adjora-cli
           from another directory with --lexiques pointing into it; validates
           the desktop entry, the AppStream metainfo and the manual page.
  destdir: installs the build under DESTDIR with a prefix of its own and runs
           that adjora-cli with no --lexiques: it must use the installed
           lexicons (a word added to the installed copy proves it).

usage: paquet.py deb|destdir BUILD_DIR SOURCE_DIR WITH_UI(0|1) MAINTAINER_EMAIL ADJORA_CLI
"""
import glob
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile

MOTS = ["belles", "heureuse", "loyaux", "petite", "fraîche", "nouvel", "marron"]
SAUT = 77


class Echec(Exception):
    pass


def executer(commande, **options):
    fin = subprocess.run(commande, capture_output=True, timeout=900, **options)
    if fin.returncode != 0:
        raise Echec(f"{' '.join(map(str, commande))} -> {fin.returncode}\n"
                    f"{fin.stdout.decode(errors='replace')[-3000:]}\n{fin.stderr.decode(errors='replace')[-3000:]}")
    return fin.stdout.decode("utf-8", "replace"), fin.stderr.decode("utf-8", "replace")


def attendre(condition, message):
    if not condition:
        raise Echec(message)


def outil(nom):
    chemin = shutil.which(nom)
    if chemin is None:
        print(f"SKIP: {nom} is not installed (tools/installer-dependances.sh installs it)")
        sys.exit(SAUT)
    return chemin


def fichiers_attendus(source, avec_ui):
    attendus = [f"usr/bin/adjora-cli", "usr/share/man/man1/adjora-cli.1.gz"]
    attendus += [f"usr/share/adjora/except_{l}.lex" for l in "ABCDEFGH"]
    if os.path.exists(os.path.join(source, "data", "Adjora.hlp")):
        attendus.append("usr/share/adjora/Adjora.hlp")
    if avec_ui:
        attendus += [
            "usr/bin/adjora",
            "usr/share/applications/adjora.desktop",
            "usr/share/metainfo/org.adjora.Adjora.metainfo.xml",
            "usr/share/icons/hicolor/32x32/apps/adjora.png",
            "usr/share/icons/hicolor/256x256/apps/adjora.png",
            "usr/share/icons/hicolor/scalable/apps/adjora.svg",
        ]
    return attendus


def taille_png(chemin):
    with open(chemin, "rb") as f:
        entete = f.read(24)
    attendre(entete[:8] == b"\x89PNG\r\n\x1a\n", f"{chemin}: not a PNG file")
    return struct.unpack(">II", entete[16:24])


def analyser(cli, mots, cwd, lexiques=None):
    commande = [cli] + (["--lexiques", lexiques] if lexiques else []) + mots
    sortie, erreurs = executer(commande, cwd=cwd)
    attendre(erreurs.strip() == "", f"{cli}: unexpected reports\n{erreurs[:2000]}")
    return sortie


def valider_integration(racine, prefixe, avec_ui):
    """Desktop entry, metainfo, icons and manual page of an installed tree."""
    page = os.path.join(racine, "share/man/man1/adjora-cli.1.gz")
    with gzip.open(page, "rb") as f:
        texte = f.read()
    attendre(f"{prefixe}/share/adjora".encode() in texte, "the manual page does not name the data directory")
    groff = shutil.which("groff")
    if groff:
        rendu = subprocess.run(["sh", "-c", f"preconv | {groff} -man -ww -z"], input=texte,
                               capture_output=True, timeout=60)
        attendre(rendu.returncode == 0 and not rendu.stderr.strip(),
                 f"groff warnings on the manual page:\n{rendu.stderr.decode(errors='replace')}")
    if not avec_ui:
        return
    entree = os.path.join(racine, "share/applications/adjora.desktop")
    executer([outil("desktop-file-validate"), entree])
    with open(entree, encoding="utf-8") as f:
        cles = dict(l.rstrip("\n").split("=", 1) for l in f if "=" in l)
    attendre(cles.get("Exec") == "adjora", f"Exec={cles.get('Exec')}")
    attendre(cles.get("Icon") == "adjora", f"Icon={cles.get('Icon')}")
    attendre(cles.get("Path") == f"{prefixe}/share/adjora", f"Path={cles.get('Path')}, expected {prefixe}/share/adjora")
    metainfo = os.path.join(racine, "share/metainfo/org.adjora.Adjora.metainfo.xml")
    executer([outil("appstreamcli"), "validate", "--no-net", metainfo])
    attendre(taille_png(os.path.join(racine, "share/icons/hicolor/32x32/apps/adjora.png")) == (32, 32),
             "the 32x32 icon has another size")


def verifier_deb(construction, source, avec_ui, email, cli):
    outil("dpkg-deb")
    outil("dpkg-shlibdeps")
    travail = tempfile.mkdtemp(prefix="adjora-deb-")
    try:
        executer([outil("cpack"), "-G", "DEB", "--config", os.path.join(construction, "CPackConfig.cmake"),
                  "-B", os.path.join(travail, "paquet")], cwd=construction)
        paquets = glob.glob(os.path.join(travail, "paquet", "*.deb"))
        attendre(len(paquets) == 1, f"expected one .deb, found {paquets}")
        deb = paquets[0]

        champs = {}
        for champ in ("Package", "Version", "Maintainer", "Depends", "Architecture"):
            champs[champ] = executer(["dpkg-deb", "-f", deb, champ])[0].strip()
        attendre(champs["Package"] == "adjora", f"Package: {champs['Package']}")
        attendre(email in champs["Maintainer"], f"Maintainer: {champs['Maintainer']}")
        attendre("libc6" in champs["Depends"], f"Depends without libc6: {champs['Depends']}")
        if avec_ui:
            attendre("libqt6widgets6" in champs["Depends"], f"Depends without Qt: {champs['Depends']}")

        contenu = executer(["dpkg-deb", "-c", deb])[0]
        chemins = {ligne.split()[-1].lstrip(".").lstrip("/") for ligne in contenu.splitlines()}
        manquants = [f for f in fichiers_attendus(source, avec_ui) if f not in chemins]
        attendre(not manquants, f"missing from the package: {manquants}\n{contenu}")

        racine = os.path.join(travail, "racine")
        executer(["dpkg", "-x", deb, racine])
        ailleurs = tempfile.mkdtemp(dir=travail)
        extrait = analyser(os.path.join(racine, "usr/bin/adjora-cli"), MOTS, ailleurs,
                           os.path.join(racine, "usr/share/adjora"))
        reference = analyser(cli, MOTS, ailleurs,
                             os.path.join(source, "data"))
        attendre(extrait == reference, f"packaged analysis differs:\n{extrait}\n---\n{reference}")
        valider_integration(os.path.join(racine, "usr"), "/usr", avec_ui)
        print(f"ok deb: {os.path.basename(deb)}, Depends: {champs['Depends']}")
    finally:
        shutil.rmtree(travail, ignore_errors=True)


def verifier_destdir(construction, source, avec_ui):
    travail = tempfile.mkdtemp(prefix="adjora-destdir-")
    try:
        prefixe = "/opt/adjora-essai"
        environnement = dict(os.environ, DESTDIR=os.path.join(travail, "dest"))
        executer(["cmake", "--install", construction, "--prefix", prefixe], env=environnement)
        racine = os.path.join(travail, "dest") + prefixe
        for fichier in fichiers_attendus(source, avec_ui):
            attendre(os.path.exists(os.path.join(racine, fichier.removeprefix("usr/"))),
                     f"not installed: {fichier}")

        # A word found only in the installed copy of the invariable list.
        marque = "zorglubesques"
        lexique = os.path.join(racine, "share/adjora/except_H.lex")
        with open(lexique, "rb") as f:
            invariable = f.read().split()[0].decode("cp850")
        with open(lexique, "ab") as f:
            f.write(b"\n" + marque.encode() + b"\n")
        ailleurs = tempfile.mkdtemp(dir=travail)
        sortie = analyser(os.path.join(racine, "bin/adjora-cli"), [invariable, marque], ailleurs)
        lignes = [l.split("\t") for l in sortie.splitlines()]
        attendre(len(lignes) == 2, f"unexpected output:\n{sortie}")
        attendre(lignes[1] == [marque, marque] + lignes[0][2:4],
                 f"the installed lexicons were not used by default:\n{sortie}")
        valider_integration(racine, prefixe, avec_ui)
        print(f"ok destdir: {prefixe} under DESTDIR")
    finally:
        shutil.rmtree(travail, ignore_errors=True)


def main():
    if len(sys.argv) != 7 or sys.argv[1] not in ("deb", "destdir"):
        sys.exit(__doc__)
    mode, construction, source, avec_ui, email, cli = sys.argv[1:]
    try:
        if mode == "deb":
            verifier_deb(construction, source, avec_ui == "1", email, cli)
        else:
            verifier_destdir(construction, source, avec_ui == "1")
    except Echec as e:
        print(f"FAIL {mode}: {e}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
