#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Adds the REUSE copyright and licence header to every file of the tree that lacks one.

usage: tools/licence/ajouter-spdx.py [--verifier] [FILE...]

Without FILE, works on every file git knows (tracked, or new and not ignored).
A file that already names its licence in its first lines is left alone, so the
script can run again at any time. Files matched by .reuse/dep5 (lexicons,
images, data and test cases) carry no header. The header is written in the
comment syntax of the file, after a shebang or an XML declaration.

  --verifier   changes nothing; lists the files that lack a header, exits 1 if any

Content derived from Lefff (LGPLLR): name it in .reuse/dep5 ("MPL-2.0 AND
LGPLLR" for mixed lexicons), move .reuse/LGPLLR.txt to LICENSES/ and add its
stanza to packaging/copyright.in. The text waits in .reuse/ because REUSE
rejects a licence text that no file uses.

Environment: ADJORA_MAINTENEUR_NOM (default "Équipe Adjora") is the copyright
holder; ADJORA_ANNEE (default: this year) the year.
"""
import datetime
import fnmatch
import os
import re
import subprocess
import sys

# Split so that REUSE does not read these strings as tags of this file.
ETIQUETTE_COPYRIGHT = "SPDX-" + "FileCopyrightText:"
ETIQUETTE_LICENCE = "SPDX-" + "License-Identifier:"
LICENCE_CODE = "GPL-3.0-or-later"
# Files under another licence than the code's.
LICENCES_PARTICULIERES = {"packaging/*.metainfo.xml*": "CC0-1.0"}
IGNORES = ["LICENSE", "LICENSES/*", ".reuse/*", ".gitignore.license"]

# (name patterns, line prefix, line suffix, blank line after the header)
SYNTAXES = [
    (["*.cpp", "*.h", "*.hpp", "*.c", "*.h.in", "*.cpp.in"], "// ", "", True),
    (["CMakeLists.txt", "*.cmake", "*.sh", "*.py", "*.desktop.in", "*.desktop", ".gitignore",
      ".clang-format", "*.yml", "*.yaml", "*.toml", "*.cfg", "*.lintian-overrides"], "# ", "", True),
    (["*.md", "*.xml", "*.xml.in", "*.qrc", "*.html", "*.svg", "*.ui"], "<!-- ", " -->", True),
    (["*.[1-9]", "*.[1-9].in"], '.\\" ', "", False),
]


def racine_du_depot():
    return subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True,
                          capture_output=True, text=True).stdout.strip()


def fichiers_suivis():
    sortie = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            check=True, capture_output=True, text=True).stdout
    return sorted({f for f in sortie.split("\0") if f and os.path.isfile(f)})


def motifs_dep5():
    motifs = []
    if os.path.exists(".reuse/dep5"):
        with open(".reuse/dep5", encoding="utf-8") as f:
            dans_files = False
            for ligne in f:
                if ligne.startswith("Files:"):
                    dans_files = True
                    motifs += ligne.split()[1:]
                elif dans_files and ligne.startswith((" ", "\t")):
                    motifs += ligne.split()
                else:
                    dans_files = False
    return motifs


def correspond(chemin, motifs):
    nom = os.path.basename(chemin)
    return any(fnmatch.fnmatchcase(chemin, m) or ("/" not in m and fnmatch.fnmatchcase(nom, m))
               for m in motifs)


def syntaxe(chemin, texte):
    for motifs, debut, fin, blanc in SYNTAXES:
        if correspond(chemin, motifs):
            return debut, fin, blanc
    if texte.startswith("#!"):
        return "# ", "", True
    return None


def a_un_entete(texte):
    return any(ETIQUETTE_LICENCE in ligne for ligne in texte.splitlines()[:20])


def entete(chemin, debut, fin, blanc):
    licence = next((l for m, l in LICENCES_PARTICULIERES.items() if fnmatch.fnmatchcase(chemin, m)),
                   LICENCE_CODE)
    annee = os.environ.get("ADJORA_ANNEE") or str(datetime.date.today().year)
    titulaire = os.environ.get("ADJORA_MAINTENEUR_NOM") or "Équipe Adjora"
    lignes = [f"{debut}{ETIQUETTE_COPYRIGHT} {annee} {titulaire}{fin}\n",
              f"{debut}{ETIQUETTE_LICENCE} {licence}{fin}\n"]
    return "".join(lignes) + ("\n" if blanc else "")


def ajouter(texte, bloc):
    """Puts the header first, after a shebang or an XML declaration if there is one."""
    premiere = re.match(r"(#!.*\n|<\?xml[^>]*\?>\n)", texte)
    coupure = premiere.end() if premiere else 0
    return texte[:coupure] + bloc + texte[coupure:]


def main(arguments):
    verifier = "--verifier" in arguments
    arguments = [a for a in arguments if a != "--verifier"]
    if any(a.startswith("-") for a in arguments):
        sys.exit(__doc__)
    depart = os.getcwd()
    os.chdir(racine_du_depot())
    chemins = ([os.path.relpath(os.path.join(depart, a)) for a in arguments]
               if arguments else fichiers_suivis())
    exclus = motifs_dep5() + IGNORES
    manquants, inconnus = [], []
    for chemin in chemins:
        if correspond(chemin, exclus):
            continue
        try:
            with open(chemin, encoding="utf-8", newline="") as f:
                texte = f.read()
        except (UnicodeDecodeError, OSError) as e:
            inconnus.append(f"{chemin} (unreadable as UTF-8 text: {e})")
            continue
        if a_un_entete(texte):
            continue
        forme = syntaxe(chemin, texte)
        if forme is None:
            inconnus.append(f"{chemin} (no known comment syntax)")
            continue
        manquants.append(chemin)
        if not verifier:
            with open(chemin, "w", encoding="utf-8", newline="") as f:
                f.write(ajouter(texte, entete(chemin, *forme)))
    for chemin in manquants:
        print(f"{'lacks a header' if verifier else 'header added'}: {chemin}")
    for chemin in inconnus:
        print(f"left alone, add it to .reuse/dep5: {chemin}", file=sys.stderr)
    return 1 if inconnus or (verifier and manquants) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
