#!/usr/bin/env python3
"""Plants the faults of fautes.tsv one at a time in a scratch copy of the tree,
rebuilds it incrementally, runs the test suite and tells whether the suite
caught each fault. A developer's tool, not part of CI.

usage: tools/fautes/planter.py [--copie DIR] [--exclure REGEX] [N ...]
  N  line numbers (1-based, among the faults) to plant; all by default.
Exit status 1 when a fault was not caught."""
import argparse, os, shutil, subprocess, sys

ici = os.path.dirname(os.path.abspath(__file__))
racine = os.path.dirname(os.path.dirname(ici))
options = argparse.ArgumentParser(usage=__doc__)
options.add_argument("--copie", default="/tmp/adjora-fautes")
options.add_argument("--exclure", default="paquet|robustesse")
options.add_argument("numeros", nargs="*", type=int)
options = options.parse_args()
def texte(champ):
    return champ.encode().decode("unicode_escape").encode("latin-1").decode()

fautes = [l.rstrip("\n").split("\t") for l in open(os.path.join(ici, "fautes.tsv"), encoding="utf-8")
          if l.strip() and not l.startswith("#")]
copie, construction = options.copie, os.path.join(options.copie, "build")
def lancer(*commande, journal=subprocess.DEVNULL):
    return subprocess.run(commande, stdout=journal, stderr=subprocess.STDOUT).returncode == 0
def construire():
    return lancer("cmake", "--build", construction)
def tester():
    return lancer("ctest", "--test-dir", construction, "-j2", "--stop-on-failure",
                  "--timeout", "120", "-E", options.exclure)

os.environ["QT_QPA_PLATFORM"] = "offscreen"
# Only files that differ are copied: the copy's build stays incremental.
for dossier, sous, fichiers in os.walk(racine):
    sous[:] = [d for d in sous if not d.startswith(("build", ".git"))]
    cible = os.path.join(copie, os.path.relpath(dossier, racine))
    os.makedirs(cible, exist_ok=True)
    for f in fichiers:
        a, b = os.path.join(dossier, f), os.path.join(cible, f)
        if not os.path.exists(b) or open(a, "rb").read() != open(b, "rb").read():
            shutil.copy(a, b)
lancer("cmake", "-S", copie, "-B", construction, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
       "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DADJORA_BUILD_BENCH=OFF")
if not (construire() and tester()):
    sys.exit("the suite fails without any fault: fix that first")
manques = 0
for numero, (fichier, avant, apres, quoi) in enumerate(fautes, 1):
    if options.numeros and numero not in options.numeros:
        continue
    chemin = os.path.join(copie, fichier)
    original = open(chemin, encoding="utf-8").read()
    if texte(avant) not in original:
        verdict = "TEXT NOT FOUND"
    else:
        open(chemin, "w", encoding="utf-8").write(original.replace(texte(avant), texte(apres), 1))
        verdict = "DOES NOT BUILD" if not construire() else "caught" if not tester() else "NOT CAUGHT"
        open(chemin, "w", encoding="utf-8").write(original)
    manques += verdict != "caught"
    print(f"{numero:3} {verdict:14} {fichier}: {quoi}", flush=True)
construire()  # leaves the copy built without faults
print(f"{manques} fault(s) not caught")
sys.exit(1 if manques else 0)
