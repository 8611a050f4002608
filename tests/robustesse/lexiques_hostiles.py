#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Hostile lexicon files, end to end through adjora-cli.

Each case copies the shipped lexicons into a scratch directory, damages one
file, runs adjora-cli on it and checks: exit status 0, no crash, the expected
report on standard error, and an unchanged analysis of the words that the
damaged file does not hold.

usage: lexiques_hostiles.py ADJORA_CLI DATA_DIR CASE
"""
import os
import random
import shutil
import stat
import subprocess
import sys
import tempfile

LETTRES = "ABCDEFGH"
PAIRES = "CEG"
RAPPORT_OUVERTURE = "Opération impossible"
RAPPORT_INCOMPLET = "Nombre d'adjectifs incomplet !"
RAPPORT_TAILLE = "fLireMot : Le mot lu est plus grand"
SEPARATEURS = b" \t\r\n"
SAUT = 77  # exit status of a skipped case (CTest SKIP_RETURN_CODE)


class Echec(Exception):
    pass


def nom(lettre):
    return f"except_{lettre}.lex"


def premier_mot(chemin):
    """First word of a lexicon file (code page 850), as the CLI takes it (UTF-8)."""
    with open(chemin, "rb") as f:
        mots = f.read().split()
    if not mots:
        raise Echec(f"{chemin}: empty shipped lexicon")
    return mots[0].decode("cp850")


class Banc:
    def __init__(self, cli, donnees):
        self.cli = cli
        self.donnees = donnees
        self.mots = {l: premier_mot(os.path.join(donnees, nom(l))) for l in LETTRES}
        self.mots["petite"] = "petite"
        intacte = self.copie()
        try:
            self.reference = self.analyser(intacte, list(self.mots.values()))[0]
        finally:
            shutil.rmtree(intacte, ignore_errors=True)
        if self.reference.get("petite", [None])[0] != "petit":
            raise Echec(f"reference run: petite gives {self.reference.get('petite')}")

    def copie(self):
        dossier = tempfile.mkdtemp(prefix="adjora-hostile-")
        os.chmod(dossier, 0o755)
        for lettre in LETTRES:
            shutil.copyfile(os.path.join(self.donnees, nom(lettre)), os.path.join(dossier, nom(lettre)))
        return dossier

    def analyser(self, dossier, mots, prefixe=(), delai=300):
        commande = [*prefixe, self.cli, "--lexiques", dossier, *mots]
        try:
            fin = subprocess.run(commande, capture_output=True, timeout=delai)
        except subprocess.TimeoutExpired:
            raise Echec(f"adjora-cli did not finish within {delai} s")
        sortie = fin.stdout.decode("utf-8", "replace")
        erreurs = fin.stderr.decode("utf-8", "replace")
        if fin.returncode != 0:
            raise Echec(f"exit status {fin.returncode}\n--- stderr (end) ---\n{erreurs[-3000:]}")
        lignes = {}
        for ligne in sortie.splitlines():
            champs = ligne.split("\t")
            if len(champs) < 4:
                raise Echec(f"malformed output line: {ligne!r}")
            lignes.setdefault(champs[0], champs[1:4])
        manquants = [m for m in mots if m not in lignes]
        if manquants:
            raise Echec(f"no result for {manquants}\n--- stdout ---\n{sortie[-2000:]}")
        return lignes, erreurs, sortie

    def verifier_autres(self, resultats, abime):
        """Every word but the one of the damaged lexicon is analysed as before."""
        for cle, mot in self.mots.items():
            if cle == abime:
                continue
            if resultats[mot] != self.reference[mot]:
                raise Echec(f"{mot}: {resultats[mot]} instead of {self.reference[mot]}")

    def executer(self, lettre, preparer, prefixe=(), autres_mots=()):
        dossier = self.copie()
        try:
            preparer(os.path.join(dossier, nom(lettre)))
            mots = list(self.mots.values()) + list(autres_mots)
            resultats, erreurs, sortie = self.analyser(dossier, mots, prefixe)
            self.verifier_autres(resultats, lettre)
            return resultats, erreurs, sortie
        finally:
            rendre_accessible(dossier)
            shutil.rmtree(dossier, ignore_errors=True)


def rendre_accessible(dossier):
    for racine, sous, fichiers in os.walk(dossier):
        for n in sous + fichiers:
            try:
                os.chmod(os.path.join(racine, n), 0o755)
            except OSError:
                pass


def compter(texte, rapport):
    return texte.count(rapport)


def attendre(condition, message):
    if not condition:
        raise Echec(message)


# --- the cases -------------------------------------------------------------

def cas_binaire(banc):
    """Random bytes in place of a single and of a paired lexicon."""
    for lettre in "AE":
        generateur = random.Random(1998 + ord(lettre))
        def ecrire(chemin):
            with open(chemin, "wb") as f:
                f.write(bytes(generateur.randrange(256) for _ in range(200_000)))
        banc.executer(lettre, ecrire)


def cas_mot_geant(banc):
    """A 1 MB word before the real entries: one size report, the entries still load."""
    def ecrire(chemin):
        with open(chemin, "rb") as f:
            contenu = f.read()
        with open(chemin, "wb") as f:
            f.write(b"a" * 1_000_000 + b"\n" + contenu)
    resultats, erreurs, _ = banc.executer("D", ecrire)
    attendre(compter(erreurs, RAPPORT_TAILLE) == 1,
             f"expected one size report, got {compter(erreurs, RAPPORT_TAILLE)}")
    mot = banc.mots["D"]
    attendre(resultats[mot] == banc.reference[mot], f"{mot}: entry after the long word lost")


def nom_genere(i):
    mot = ""
    for _ in range(5):
        mot, i = chr(ord("a") + i % 26) + mot, i // 26
    return "zz" + mot


def cas_cent_mille(banc):
    """A single lexicon of 100,000 entries: loads without harm, and the entries up
    to the lists' 16-bit capacity (65,535) are found."""
    mot_h = banc.mots["H"]
    with open(os.path.join(banc.donnees, nom("H")), "rb") as f:
        originaux = f.read().split()
    # Generated entry i stands at list position len(originaux) + 1 + i.
    dernier = nom_genere(65_535 - len(originaux) - 1)
    premier = nom_genere(0)
    def ecrire(chemin):
        with open(chemin, "wb") as f:
            f.write(b"\n".join(originaux) + b"\n")
            for i in range(100_000):
                f.write(nom_genere(i).encode() + b"\n")
    resultats, _, _ = banc.executer("H", ecrire, autres_mots=[premier, dernier])
    attendre(resultats[mot_h] == banc.reference[mot_h], f"{mot_h}: no longer found")
    for mot in (premier, dernier):
        attendre(resultats[mot][1:] == banc.reference[mot_h][1:],
                 f"{mot}: {resultats[mot]}, not invariable like {mot_h}")


def cas_repertoire(banc):
    """A directory where a lexicon file should be: reported as impossible to open."""
    def ecrire(chemin):
        os.remove(chemin)
        os.mkdir(chemin)
    _, erreurs, sortie = banc.executer("C", ecrire)
    attendre(RAPPORT_OUVERTURE in erreurs, "no 'Opération impossible' report")
    attendre(nom("C") in erreurs + sortie, "the file name is not reported")


def cas_absent(banc):
    """A missing lexicon file."""
    _, erreurs, sortie = banc.executer("G", os.remove)
    attendre(compter(erreurs, RAPPORT_OUVERTURE) == 1, "expected one 'Opération impossible' report")
    attendre(nom("G") in erreurs + sortie, "the file name is not reported")


def cas_illisible(banc):
    """A file without read permission (as root, the run drops to an unprivileged user)."""
    prefixe = ()
    if os.geteuid() == 0:
        setpriv = shutil.which("setpriv")
        if setpriv is None:
            print("SKIP: running as root and setpriv is missing, chmod 000 cannot deny reading")
            sys.exit(SAUT)
        prefixe = (setpriv, "--reuid=65534", "--regid=65534", "--clear-groups", "--")
        if subprocess.run([*prefixe, "test", "-x", banc.cli]).returncode != 0:
            print(f"SKIP: an unprivileged user cannot run {banc.cli}")
            sys.exit(SAUT)
    _, erreurs, _ = banc.executer("B", lambda chemin: os.chmod(chemin, 0), prefixe)
    attendre(compter(erreurs, RAPPORT_OUVERTURE) == 1, "expected one 'Opération impossible' report")


def cas_impair(banc):
    """A paired file with an odd count of words and no final line end."""
    def ecrire(chemin):
        with open(chemin, "rb") as f:
            mots = f.read().split()
        if len(mots) % 2 == 0:
            mots.append(b"solitaire")
        with open(chemin, "wb") as f:
            f.write(b"\n".join(b" ".join(mots[i:i + 2]) for i in range(0, len(mots), 2)))
    _, erreurs, _ = banc.executer("E", ecrire)
    attendre(compter(erreurs, RAPPORT_INCOMPLET) == 1, "expected one 'Nombre d'adjectifs incomplet !'")


def cas_vide(banc):
    """An empty file and one of separators only: empty lexicons, no report at all."""
    _, erreurs, _ = banc.executer("F", lambda chemin: open(chemin, "wb").close())
    attendre(erreurs.strip() == "", f"unexpected report: {erreurs[:500]}")
    def separateurs(chemin):
        with open(chemin, "wb") as f:
            f.write(b" \n\t'0123456789.,;\n\xff" * 100)
    _, erreurs, _ = banc.executer("A", separateurs)
    attendre(erreurs.strip() == "", f"unexpected report: {erreurs[:500]}")


CAS = {
    "binaire": cas_binaire,
    "mot_geant": cas_mot_geant,
    "cent_mille": cas_cent_mille,
    "repertoire": cas_repertoire,
    "absent": cas_absent,
    "illisible": cas_illisible,
    "impair": cas_impair,
    "vide": cas_vide,
}


def main():
    if len(sys.argv) != 4 or sys.argv[3] not in CAS:
        sys.exit(f"usage: {sys.argv[0]} ADJORA_CLI DATA_DIR {{{'|'.join(CAS)}}}")
    cli, donnees, cas = sys.argv[1:]
    try:
        CAS[cas](Banc(os.path.abspath(cli), donnees))
    except Echec as e:
        print(f"FAIL {cas}: {e}")
        return 1
    print(f"ok {cas}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
