#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Hostile lexicon files end to end through adjora-cli, a valgrind run, and a
200 MB line read in bounded memory.
usage: robustesse.py ADJORA_CLI DATA_DIR CASE [VALGRIND]
A case (rows of cas.tsv) copies the shipped lexicons, damages one file, runs
adjora-cli and checks the reports expected on standard error, that the damaged
file is named there when reported (exit status 5, else 0), and that the first
word of every other lexicon (and "petite") is analysed as with the intact files.
Under valgrind it fails on any memory error or definite/indirect leak."""
import atexit
import os
import random
import resource
import shutil
import subprocess
import sys
import tempfile
import threading

LETTRES = "ABCDEFGH"
PIC_MAXIMAL_KIO = 64 * 1024
FIN_ADJ = b"\t_\tADJ\t_\t_\t0\troot\t_\t_\n"

cli = sys.argv[1]
donnees = sys.argv[2]
cas = sys.argv[3]


def verifier(condition, message):
    if not condition:
        sys.exit(f"FAIL {cas}: {message}")


def lexique(lettre):
    return f"except_{lettre}.lex"


def premier_mot(lettre):
    contenu = open(os.path.join(donnees, lexique(lettre)), "rb").read()
    return contenu.split()[0].decode("cp850")


def mot_genere(rang):
    """The rang-th word of zz + five letters, in alphabetical order."""
    lettres = []
    for puissance in range(4, -1, -1):
        lettres.append(chr(97 + rang // 26**puissance % 26))
    return "zz" + "".join(lettres)


def prefixe_du_cas():
    """What adjora-cli runs under: valgrind, an unprivileged user, or nothing."""
    global cli
    if cas == "valgrind" and not shutil.which(sys.argv[4]):
        print("SKIP: valgrind is not installed (tools/installer-dependances.sh installs it)")
        sys.exit(77)
    if cas == "valgrind":
        return [sys.argv[4], "--quiet", "--error-exitcode=99", "--leak-check=full",
                "--errors-for-leak-kinds=definite,indirect"]
    if cas != "illisible" or os.geteuid() != 0:
        return []
    if not shutil.which("setpriv"):
        sys.exit(77)
    # root reads anything: run as nobody, who may not reach the build tree (a checkout
    # under /root), a copy of the program
    copie = tempfile.mkdtemp(prefix="adjora-programme-")
    os.chmod(copie, 0o755)
    atexit.register(shutil.rmtree, copie, True)
    cli = shutil.copy(cli, copie)
    return ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"]


MOTS = {}
for lettre in LETTRES:
    MOTS[lettre] = premier_mot(lettre)
MOTS["-"] = "petite"
PREFIXE = prefixe_du_cas()


def lancer(dossier, mots, avant=()):
    """adjora-cli's lines by word, and its standard error."""
    fin = subprocess.run([*avant, cli, "--lexiques", dossier, "--explication", *mots],
                         capture_output=True, timeout=500)
    erreurs = fin.stderr.decode("utf-8", "replace")
    attendu = 0
    if "* FICHIER : " in erreurs:
        attendu = 5
    verifier(fin.returncode == attendu, f"exit status {fin.returncode}\n{erreurs[-3000:]}")
    resultats = {}
    for ligne in fin.stdout.decode().splitlines():
        champs = ligne.split("\t")
        resultats[champs[0]] = champs[1:]
    return resultats, erreurs


def essayer(lettre, abimer, rapports, garder=False, autres=()):
    """Damages lexicon lettre; garder: its own first word must still read as before."""
    dossier = tempfile.mkdtemp(prefix="adjora-hostile-")
    try:
        for l in LETTRES:
            shutil.copy(os.path.join(donnees, lexique(l)), dossier)
        reference, _ = lancer(dossier, MOTS.values())
        chemin = os.path.join(dossier, lexique(lettre))
        abimer(chemin)
        os.chmod(dossier, 0o755)
        resultats, erreurs = lancer(dossier, [*MOTS.values(), *autres], PREFIXE)
        for l, mot in MOTS.items():
            if l == lettre and not garder:
                continue
            verifier(resultats[mot] == reference[mot], f"{mot}: {resultats[mot]} instead of {reference[mot]}")
        for rapport, nombre in rapports.items():
            verifier(erreurs.count(rapport) == nombre, f"{erreurs.count(rapport)} x '{rapport}'\n{erreurs[:2000]}")
        nomme = f"* FICHIER : {chemin}" in erreurs and f"{chemin} : lexique" in erreurs
        verifier(nomme == ("* FICHIER : " in erreurs), erreurs[:2000])
        return resultats
    finally:
        shutil.rmtree(dossier, ignore_errors=True)


def ecrire(chemin, octets):
    with open(chemin, "wb") as fichier:
        fichier.write(octets)


def binaire(chemin):
    ecrire(chemin, random.Random(os.path.basename(chemin)).randbytes(200_000))


def mot_geant_devant(chemin):
    ecrire(chemin, b"a" * 1_000_000 + b"\n" + open(chemin, "rb").read())


def cent_mille_mots_derriere(chemin):
    mots = []
    for rang in range(100_000):
        mots.append(mot_genere(rang))
    ecrire(chemin, open(chemin, "rb").read() + b"\n" + "\n".join(mots).encode())


def deux_gio_de_zeros(chemin):
    os.truncate(chemin, 2 << 30)


def illisible(chemin):
    os.chmod(chemin, 0)


def nombre_impair_de_mots(chemin):
    mots = open(chemin, "rb").read().split()
    if len(mots) % 2 == 0:
        mots.append(b"solitaire")
    ecrire(chemin, b"\n".join(mots))


def vide(chemin):
    ecrire(chemin, b"")


def separateurs_seuls(chemin):
    ecrire(chemin, b" \n\t'0123.,;\xff" * 100)


def cent_mille():
    """Entries up to the lists' 16-bit capacity are found, the rest reported."""
    nombre = len(open(os.path.join(donnees, lexique("H")), "rb").read().split())
    autres = [mot_genere(0), mot_genere(65_535 - nombre - 1)]
    resultats = essayer("H", cent_mille_mots_derriere, {"Liste pleine": 1}, True, autres)
    for mot in autres:
        verifier(resultats[mot][1:3] == resultats[MOTS["H"]][1:3], resultats[mot])


def nourrir(entree, debut, fin):
    """Writes debut, a line of 200 MB, fin and one more word."""
    entree.write(debut)
    for _ in range(200):
        entree.write(b"a" * 1_000_000)
    entree.write(fin + b"heureuse\n")
    entree.close()


def ligne_geante_dans(mode, debut, fin, statut):
    """A 200 MB line between two words: three lines out; copied whole only in CoNLL-U."""
    commande = subprocess.Popen([cli, "--lexiques", donnees, *mode], stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE)
    threading.Thread(target=nourrir, args=(commande.stdin, debut, fin)).start()
    octets = 0
    lignes = 0
    bloc = commande.stdout.read(1 << 20)
    while bloc:
        octets += len(bloc)
        lignes += bloc.count(b"\n")
        bloc = commande.stdout.read(1 << 20)
    verifier(commande.wait() == statut, (mode, commande.returncode))
    verifier(lignes == 3, (mode, lignes))
    verifier((octets > 200_000_000) == (statut == 1), (mode, octets))


def ligne_geante():
    ligne_geante_dans([], b"belle\n", b"\n", 0)
    ligne_geante_dans(["--conllu"], b"1\tbelle" + FIN_ADJ + b"1\t", FIN_ADJ, 1)
    pic = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    verifier(pic < PIC_MAXIMAL_KIO, f"peak memory {pic} KiB")


ABIMER = {
    "binaire": binaire,
    "mot_geant_devant": mot_geant_devant,
    "supprimer": os.remove,
    "deux_gio_de_zeros": deux_gio_de_zeros,
    "illisible": illisible,
    "nombre_impair_de_mots": nombre_impair_de_mots,
    "vide": vide,
    "separateurs_seuls": separateurs_seuls,
}


def lancer_cas():
    if cas == "cent_mille":
        cent_mille()
        return
    if cas == "ligne_geante":
        ligne_geante()
        return
    table = open(os.path.join(os.path.dirname(__file__), "cas.tsv"), encoding="utf-8").read().splitlines()
    lignes = [l.split("\t") for l in table if not l.startswith("#") and l.split("\t")[0] == cas]
    verifier(lignes, "unknown case")
    for _, lettre, abimer, rapport, nombre, garder, autres in lignes:
        rapports = {}
        if rapport != "-":
            rapports[rapport] = int(nombre)
        mots = []
        if autres != "-":
            mots = autres.split()
        essayer(lettre, ABIMER[abimer], rapports, garder == "1", mots)


lancer_cas()
print("ok")
