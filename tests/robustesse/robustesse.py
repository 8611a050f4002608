#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Hostile lexicon files end to end through adjora-cli, a valgrind run, and a
200 MB line read in bounded memory.
usage: robustesse.py ADJORA_CLI DATA_DIR CASE [VALGRIND]
A case copies the shipped lexicons, damages one file, runs adjora-cli and checks
the reports expected on standard error, that the damaged file is named there
when reported (exit status 5, else 0), and that the first word of every other
lexicon (and "petite") is analysed as with the intact files.
Under valgrind it fails on any memory error or definite/indirect leak."""
import os, random, resource, shutil, subprocess, sys, tempfile, threading

cli, donnees, cas = sys.argv[1:4]
prefixe = []
if cas == "valgrind":
    prefixe = [sys.argv[4], "--quiet", "--error-exitcode=99", "--leak-check=full",
               "--errors-for-leak-kinds=definite,indirect"]
elif cas == "illisible" and os.geteuid() == 0:  # root reads anything: run as nobody
    prefixe = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"]
    if not shutil.which("setpriv") or subprocess.run([*prefixe, "test", "-x", cli]).returncode:
        sys.exit(77)
OUVRIR, INCOMPLET, TAILLE = "Opération impossible", "adjectifs incomplet", "Le mot lu est plus grand"
PLEINE, VOLUMINEUX, ORDINAIRE = "Liste pleine", "Fichier trop volumineux", "pas un fichier ordinaire"
lex = lambda l: f"except_{l}.lex"
MOTS = {l: open(os.path.join(donnees, lex(l)), "rb").read().split()[0].decode("cp850") for l in "ABCDEFGH"}
MOTS["-"] = "petite"
genere = lambda i: "zz" + "".join(chr(97 + i // 26**k % 26) for k in range(4, -1, -1))
def lancer(dossier, mots, avec=()):
    fin = subprocess.run([*avec, cli, "--lexiques", dossier, "--explication", *mots],
                         capture_output=True, timeout=500)
    erreurs = fin.stderr.decode("utf-8", "replace")
    assert fin.returncode == 5 * ("* FICHIER : " in erreurs), f"exit status {fin.returncode}\n{erreurs[-3000:]}"
    return {l.split("\t")[0]: l.split("\t")[1:] for l in fin.stdout.decode().splitlines()}, erreurs
ecrire = lambda octets: lambda chemin: open(chemin, "wb").write(octets)
def essayer(lettre, abimer, rapports, garder=False, autres=()):
    dossier = tempfile.mkdtemp(prefix="adjora-hostile-")
    try:
        for l in "ABCDEFGH":
            shutil.copy(os.path.join(donnees, lex(l)), dossier)
        reference, _ = lancer(dossier, MOTS.values())
        abimer(os.path.join(dossier, lex(lettre)))
        os.chmod(dossier, 0o755)
        resultats, erreurs = lancer(dossier, [*MOTS.values(), *autres], prefixe)
        for l, mot in MOTS.items():
            assert (l == lettre and not garder) or resultats[mot] == reference[mot], \
                f"{mot}: {resultats[mot]} instead of {reference[mot]}"
        for rapport, n in rapports.items():
            assert erreurs.count(rapport) == n, f"{erreurs.count(rapport)} x '{rapport}'\n{erreurs[:2000]}"
        nomme = f"* FICHIER : {dossier}/{lex(lettre)}" in erreurs and f"{dossier}/{lex(lettre)} : lexique" in erreurs
        assert nomme == ("* FICHIER : " in erreurs), erreurs[:2000]
        return resultats
    finally:
        shutil.rmtree(dossier, ignore_errors=True)
def impair(chemin):
    mots = open(chemin, "rb").read().split()
    ecrire(b"\n".join(mots + [b"solitaire"] * (len(mots) % 2 == 0)))(chemin)
aleatoire = lambda graine: random.Random(graine).randbytes(200_000)
if cas == "binaire":
    essayer("A", ecrire(aleatoire(1)), {}), essayer("E", ecrire(aleatoire(2)), {})
elif cas == "mot_geant":
    essayer("D", lambda c: ecrire(b"a" * 1_000_000 + b"\n" + open(c, "rb").read())(c), {TAILLE: 1}, True)
elif cas == "cent_mille":  # entries up to the lists' 16-bit capacity are found
    n = len(open(os.path.join(donnees, lex("H")), "rb").read().split())
    autres = [genere(0), genere(65_535 - n - 1)]
    r = essayer("H", lambda c: ecrire(open(c, "rb").read() + b"\n" + "\n".join(
        genere(i) for i in range(100_000)).encode())(c), {PLEINE: 1}, True, autres)
    assert all(r[m][1:3] == r[MOTS["H"]][1:3] for m in autres), [r[m] for m in autres]
elif cas == "repertoire":
    essayer("C", lambda c: (os.remove(c), os.mkdir(c)), {OUVRIR: 1})
elif cas in ("absent", "valgrind"):
    essayer("G", os.remove, {OUVRIR: 1})
elif cas == "speciaux":  # refused without being read: nothing blocks, nothing spins
    essayer("A", lambda c: (os.remove(c), os.mkfifo(c)), {ORDINAIRE: 1})
    essayer("B", lambda c: (os.remove(c), os.symlink("/dev/zero", c)), {ORDINAIRE: 1})
elif cas == "creux":  # 2 GB of zeros: read up to the size limit only
    essayer("F", lambda c: os.truncate(c, 2 << 30), {VOLUMINEUX: 1}, True)
elif cas == "illisible":
    essayer("B", lambda c: os.chmod(c, 0), {OUVRIR: 1})
elif cas == "impair":
    essayer("E", impair, {INCOMPLET: 1})
elif cas == "vide":
    essayer("F", ecrire(b""), {"Erreur": 0}), essayer("A", ecrire(b" \n\t'0123.,;\xff" * 100), {"Erreur": 0})
if cas == "valgrind":
    essayer("C", impair, {INCOMPLET: 1}, autres=["a" * 60, "fraîche", "s", "x", "aux", "e"])
elif cas == "ligne_geante":  # a 200 MB line between two words, in flat memory
    ADJ = b"\t_\tADJ\t_\t_\t0\troot\t_\t_\n"
    for mode, debut, fin, statut in ((), b"belle\n", b"\n", 0), (("--conllu",), b"1\tbelle" + ADJ + b"1\t", ADJ, 1):
        cmd = subprocess.Popen([cli, "--lexiques", donnees, *mode], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        def nourrir(entree=cmd.stdin, debut=debut, fin=fin):
            entree.write(debut)
            for _ in range(200):
                entree.write(b"a" * 1_000_000)
            entree.write(fin + b"heureuse\n")
            entree.close()
        threading.Thread(target=nourrir).start()
        blocs = [(len(b), b.count(b"\n")) for b in iter(lambda: cmd.stdout.read(1 << 20), b"")]
        octets, lignes = map(sum, zip(*blocs))
        assert (cmd.wait(), lignes, octets > 200_000_000) == (statut, 3, statut == 1), (mode, cmd.returncode, lignes)
    pic = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    assert pic < 64 * 1024, f"peak memory {pic} KiB"
print("ok")
