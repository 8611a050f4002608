#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plants the faults of fautes.tsv one at a time in a scratch copy of the tree
(ADJORA_COPIE, /tmp/adjora-fautes), rebuilds it incrementally, runs the test
suite but the package and robustness stages, and tells whether it caught each
fault. A developer's tool, not part of CI.
usage: tools/fautes/planter.py [N ...]   (N: numbers of the faults to plant; all by default)
Exit status 1 when a fault was not caught."""
import os, shutil, subprocess, sys

ici = os.path.dirname(os.path.abspath(__file__))
racine = os.path.dirname(os.path.dirname(ici))
copie = os.environ.get("ADJORA_COPIE", "/tmp/adjora-fautes")
construction = os.path.join(copie, "build")
numeros = [int(n) for n in sys.argv[1:]]
texte = lambda champ: champ.encode().decode("unicode_escape").encode("latin-1").decode()
fautes = [l.rstrip("\n").split("\t") for l in open(os.path.join(ici, "fautes.tsv"), encoding="utf-8")
          if l.strip() and not l.startswith("#")]
lancer = lambda *commande: subprocess.run(commande, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.STDOUT).returncode == 0
construire = lambda: lancer("cmake", "--build", construction)
tester = lambda: lancer("ctest", "--test-dir", construction, "-j2", "--stop-on-failure",
                        "--timeout", "120", "-E", "paquet|robustesse")

# Only files that differ are copied: the copy's build stays incremental.
for dossier, sous, fichiers in os.walk(racine):
    sous[:] = [d for d in sous if not d.startswith(("build", ".git"))]
    cible = os.path.join(copie, os.path.relpath(dossier, racine))
    os.makedirs(cible, exist_ok=True)
    for f in fichiers:
        a, b = os.path.join(dossier, f), os.path.join(cible, f)
        if not os.path.exists(b) or open(a, "rb").read() != open(b, "rb").read():
            shutil.copy(a, b)
os.environ["QT_QPA_PLATFORM"] = "offscreen"
lancer("cmake", "-S", copie, "-B", construction, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
       "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DADJORA_BUILD_BENCH=OFF")
if not (construire() and tester()):
    sys.exit("the suite fails without any fault: fix that first")
manques = 0
for numero, (fichier, avant, apres, quoi) in enumerate(fautes, 1):
    if numeros and numero not in numeros:
        continue
    chemin = os.path.join(copie, fichier)
    original = open(chemin, encoding="utf-8").read()
    verdict = "TEXT NOT FOUND"
    if texte(avant) in original:
        open(chemin, "w", encoding="utf-8").write(original.replace(texte(avant), texte(apres), 1))
        verdict = "DOES NOT BUILD" if not construire() else "caught" if not tester() else "NOT CAUGHT"
        open(chemin, "w", encoding="utf-8").write(original)
    manques += verdict != "caught"
    print(f"{numero:3} {verdict:14} {fichier}: {quoi}", flush=True)
construire()  # leaves the copy built without faults
print(f"{manques} fault(s) not caught")
sys.exit(1 if manques else 0)
