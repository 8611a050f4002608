#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the reference of French adjective forms from the Grammalecte
(Dicollecte) lexicon shipped by the Debian package python3-grammalecte.

Output: a UTF-8 TSV, one line per (form, lemma):
    forme  lemme  genre(m/f/e)  nombre(s/p/i)  type
where type is a set of letters: A adjective, N noun-adjective, P past
participle used as an adjective, L added from the Lefff, K hand correction.
Lines starting with '#' carry the sources, their versions and licences.

Adjective forms of the Lefff (extraire_lefff.py, run first) that the
Grammalecte lexicon does not know at all are added when they contradict
none of its forms and have a second witness: their lemma is a Grammalecte
adjective, or at least two of its forms follow the ending rules of
adjora-cli (run with empty lexicons) and no Grammalecte adjective is one
letter away from it. Untagged Lefff entries are never added. The hand
corrections of tools/lexiques/corrections.tsv are applied last.

Usage: extraire_reference.py [-o FILE] [--corrections FILE] [--lefff FILE] [--cli PATH]
"""

import argparse
import collections
import os
import re
import sys
import unicodedata

# The Debian package installs into the system interpreter's path only.
for chemin in ("/usr/lib/python3/dist-packages",):
    if chemin not in sys.path and os.path.isdir(chemin):
        sys.path.append(chemin)

ICI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, ICI)
import reference as ref  # noqa: E402

SORTIE_DEFAUT = os.path.join(ICI, "reference", "adjectifs.tsv")
CORRECTIONS_DEFAUT = os.path.join(ICI, "corrections.tsv")
LEFFF_DEFAUT = os.path.join(ICI, "reference", "lefff.tsv")
DICTIONNAIRE = "fr-allvars.json"
PAQUET = "python3-grammalecte"

RE_ADJ = re.compile(r":A(?=[:;#/]|$)")
RE_GENRE = re.compile(r":([mfe])(?=[:;#/]|$)")
RE_MOT = re.compile(r"[^\W\d_]+(?:[-'][^\W\d_]+)*")
RE_NOMBRE = re.compile(r":([spi])(?=[:;#/]|$)")


def version_paquet():
    """Version of the Debian package, from dpkg's status file."""
    try:
        with open("/var/lib/dpkg/status", encoding="utf-8") as f:
            bloc = f.read().split("\n\n")
    except OSError:
        return "inconnue"
    for b in bloc:
        if re.search(r"^Package: %s$" % re.escape(PAQUET), b, re.M):
            m = re.search(r"^Version: (.*)$", b, re.M)
            if m:
                return m.group(1)
    return "inconnue"


def lire_dictionnaire():
    """(info, [(form, stem, tags) for every adjective analysis], a function
    telling whether the lexicon knows a form in no category at all)."""
    from grammalecte.graphspell import ibdawg

    d = ibdawg.IBDAWG(DICTIONNAIRE)
    info = {"date": d.sDate, "nom": d.sDicName, "description": d.sDescription}

    def inconnue(forme):
        return not d.getMorph(forme)

    return info, list(d.select("", RE_ADJ.pattern)), inconnue


def unir_genre(a, b):
    return a if a == b else "e"


def unir_nombre(a, b):
    return a if a == b else "i"


def prefixe_commun(a, b):
    n = 0
    while n < min(len(a), len(b)) and a[n] == b[n]:
        n += 1
    return n


def encodable(mot):
    try:
        mot.encode("cp1252")
    except UnicodeEncodeError:
        return False
    return True


def analyser(entrees):
    """Turns raw analyses into rows {(form, lemma): [genre, nombre, types]}.

    Participles carry the infinitive as stem: their lemma becomes the
    masculine singular participle of the same verb entry."""
    brutes = []
    masculins = collections.defaultdict(list)  # verb entry -> masculine singular forms
    for forme, souche, tags in entrees:
        etiquette = tags.split("/")[0]
        g = RE_GENRE.search(etiquette)
        n = RE_NOMBRE.search(etiquette)
        if not g or not n:
            continue
        participe = ":Q" in etiquette
        cle = (souche, etiquette.split(":Q")[0]) if participe else None
        brutes.append((forme, souche, g.group(1), n.group(1), participe, cle, etiquette))
        if participe and g.group(1) in "me" and n.group(1) in "si":
            masculins[cle].append(forme)
    lignes = {}
    ecartes = collections.Counter()
    for forme, souche, g, n, participe, cle, etiquette in brutes:
        if participe:
            candidats = masculins.get(cle)
            if not candidats:
                ecartes["participe sans masculin singulier"] += 1
                continue
            lemme = max(candidats, key=lambda c: prefixe_commun(c, forme))
            type_ = "P"
        else:
            lemme = souche
            type_ = "N" if ":N" in etiquette else "A"
        if forme != forme.lower() or lemme != lemme.lower():
            ecartes["majuscule"] += 1
            continue
        if not RE_MOT.fullmatch(forme) or not RE_MOT.fullmatch(lemme):
            ecartes["pas un mot (chiffres, signes)"] += 1
            continue
        if not encodable(forme) or not encodable(lemme):
            ecartes["hors Windows-1252"] += 1
            continue
        cle_ligne = (forme, lemme)
        if cle_ligne in lignes:
            ancien = lignes[cle_ligne]
            ancien[0] = unir_genre(ancien[0], g)
            ancien[1] = unir_nombre(ancien[1], n)
            ancien[2].add(type_)
        else:
            lignes[cle_ligne] = [g, n, {type_}]
    return lignes, ecartes


def normaliser_lemmes(lignes):
    """Points plural lemmas (idéals, finaux) at their singular when the
    lexicon has that singular as a lemma of its own. Returns the count."""
    bons = {l for (f, l), (g, n, _) in lignes.items() if f == l and g in "me" and n in "si"}
    n = 0
    for (forme, lemme) in list(lignes):
        if lemme in bons:
            continue
        for singulier in (lemme[:-3] + "al" if lemme.endswith("aux") else None,
                          lemme[:-1] if lemme.endswith(("s", "x")) else None):
            if singulier and singulier in bons:
                valeur = lignes.pop((forme, lemme))
                if (forme, singulier) in lignes:
                    ancien = lignes[(forme, singulier)]
                    ancien[0] = unir_genre(ancien[0], valeur[0])
                    ancien[1] = unir_nombre(ancien[1], valeur[1])
                    ancien[2] |= valeur[2]
                else:
                    lignes[(forme, singulier)] = valeur
                n += 1
                break
    return n


def desaccentuer(mot):
    return "".join(c for c in unicodedata.normalize("NFD", mot) if not unicodedata.combining(c))


def recouvre(a, b, tous):
    return a == b or tous in (a, b)


def lire_lefff(chemin):
    """The Lefff extract by lemma: {lemma: [(form, genre, nombre)]}, and the
    count of untagged entries (no gender, no number), which are never added."""
    if not os.path.exists(chemin):
        raise SystemExit(f"{chemin} absent : lancez extraire_lefff.py")
    paradigmes = collections.defaultdict(list)
    sans_traits = 0
    with open(chemin, encoding="utf-8") as fichier:
        for ligne in fichier:
            if ligne.startswith("#") or not ligne.strip():
                continue
            forme, lemme, g, n = ligne.rstrip("\n").split("\t")
            if g == "?":
                sans_traits += 1
            elif "'" not in forme and encodable(forme) and encodable(lemme):
                paradigmes[lemme].append((forme, g, n))
    return paradigmes, sans_traits


class Dicollecte:
    """What the main source says about the forms the Lefff would add."""

    def __init__(self, lignes, inconnue):
        self.inconnue = inconnue
        self.formes = {f for f, _ in lignes}
        self.sans_accents = {desaccentuer(f) for f in self.formes}
        self.lemmes = collections.defaultdict(set)  # form -> its lemmas
        self.cases = collections.defaultdict(list)  # lemma -> (genre, nombre) of its forms
        for (f, l), (g, n, _) in lignes.items():
            self.lemmes[f].add(l)
            self.cases[l].append((g, n))
        self.alphabet = sorted({c for f in self.formes for c in f})

    def autre_lemme(self, forme, lemme):
        """True when the form is one of its adjectives with another lemma."""
        return forme in self.lemmes and lemme not in self.lemmes[forme]

    def a_un_voisin(self, mot):
        return any(v in self.formes for v in ref.voisins(mot, self.alphabet))

    def manque(self, forme, lemme, g, n):
        """True when the form fills a gap: unknown in every category, not a
        known form but for accents, and no form of the lemma for the same
        gender and number (socials beside sociaux)."""
        if forme in self.formes or desaccentuer(forme) in self.sans_accents:
            return False
        if any(recouvre(g, g2, "e") and recouvre(n, n2, "i") for g2, n2 in self.cases.get(lemme, ())):
            return False
        return self.inconnue(forme)


def accords(paradigme, lemme, regles):
    """How many forms of the paradigm the ending rules alone analyse as the
    Lefff does (lemma, gender, number)."""
    n = 0
    for forme, g, n_ in paradigme:
        r = regles[forme]
        n += r.lemme == lemme and ref.genre_juste(g, r.genre) and ref.nombre_juste(n_, r.nombre)
    return n


def temoin(lemme, paradigme, dico, regles):
    """Why the Lefff lemma may not bring forms, or None when it has a second
    witness: Dicollecte knows it as an adjective, or two of its forms follow
    the ending rules and no Dicollecte adjective is one letter away from it."""
    if dico.autre_lemme(lemme, lemme):
        return "lemme : forme d'un autre lemme de Dicollecte"
    if any(dico.autre_lemme(f, lemme) for f, _, _ in paradigme):
        return "forme rattachée à un autre lemme par Dicollecte"
    if lemme in dico.cases:
        return None
    if not all(ref.reguliere(f, lemme, g, n) for f, g, n in paradigme):
        return "forme hors des flexions régulières"
    if not dico.inconnue(lemme):
        return "lemme connu de Dicollecte hors des adjectifs"
    if accords(paradigme, lemme, regles) < 2:
        return "moins de deux formes conformes aux règles"
    if dico.a_un_voisin(lemme):
        return "lemme à une lettre d'un adjectif de Dicollecte"
    return None


def ajouter_lefff(lignes, inconnue, chemin, cli):
    """Adds the Lefff adjective forms the Grammalecte lexicon lacks, when
    the form fills a gap (Dicollecte.manque) and its lemma has a second
    witness (temoin), judged against the ending rules alone (run with the
    engine `cli`). Returns the count of forms added and the counts of rejects."""
    paradigmes, sans_traits = lire_lefff(chemin)
    dico = Dicollecte(lignes, inconnue)
    candidats = {l: [(f, g, n) for f, g, n in p if dico.manque(f, l, g, n)]
                 for l, p in paradigmes.items()}
    candidats = {l: c for l, c in candidats.items() if c}
    regles = ref.analyser_par_les_regles(sorted({f for l in candidats for f, _, _ in paradigmes[l]}), cli)
    ajouts, rejets = {}, collections.Counter({"sans genre ni nombre": sans_traits})
    for lemme, formes in candidats.items():
        raison = temoin(lemme, paradigmes[lemme], dico, regles)
        if raison:
            rejets[raison] += len(formes)
            continue
        for f, g, n in formes:
            if ref.reguliere(f, lemme, g, n):
                ajouts[(f, lemme)] = [g, n, {"L"}]
            else:
                rejets["forme hors des flexions régulières"] += 1
    lignes.update(ajouts)
    return len({f for f, _ in ajouts}), rejets


def appliquer_corrections(lignes, chemin):
    """Applies the hand corrections. Each line: action form lemma [genre nombre]
    with action '=' (this is the form's only analysis), '+' (add or replace
    this analysis), '-' (remove this analysis) or '!' (keep the reference:
    a second source's reading was examined and rejected; no effect)."""
    if not os.path.exists(chemin):
        return 0
    n = 0
    with open(chemin, encoding="utf-8") as f:
        for numero, ligne in enumerate(f, 1):
            ligne = ligne.split("#")[0].strip()
            if not ligne:
                continue
            champs = ligne.split()
            action, forme, lemme = champs[0], champs[1], champs[2]
            if action == "!":
                continue
            if action == "-":
                if lignes.pop((forme, lemme), None) is None:
                    raise SystemExit(f"{chemin}:{numero}: {forme} {lemme} absent de la référence")
            elif action in "=+" and len(champs) == 5:
                genre, nombre = champs[3], champs[4]
                if genre not in ("m", "f", "e") or nombre not in ("s", "p", "i"):
                    raise SystemExit(f"{chemin}:{numero}: genre ou nombre invalide")
                types = {"K"}
                if action == "=":
                    for cle in [c for c in lignes if c[0] == forme]:
                        types |= lignes.pop(cle)[2]
                else:
                    ancien = lignes.pop((forme, lemme), None)
                    if ancien:
                        types |= ancien[2]
                lignes[(forme, lemme)] = [genre, nombre, types]
            else:
                raise SystemExit(f"{chemin}:{numero}: ligne illisible")
            n += 1
    return n


def entete_lefff(chemin):
    with open(chemin, encoding="utf-8") as f:
        return [l for l in f if l.startswith(("# Source", "# Licence"))]


def ecrire(lignes, info, ecartes, ncorr, sortie, lefff, najouts, rejets):
    os.makedirs(os.path.dirname(os.path.abspath(sortie)), exist_ok=True)
    ordre = "".join(sorted("AKLNP"))
    with open(sortie, "w", encoding="utf-8", newline="\n") as f:
        f.write(f"# Source: Grammalecte French lexicon (Dicollecte), dictionary {info['nom']} "
                f"({info['description']}), built {info['date']}\n")
        f.write(f"# Debian package: {PAQUET} {version_paquet()}\n")
        f.write("# Licence: lexicon MPL-2.0 upstream (Dicollecte); Debian ships the package as "
                "GPL-3 and MPL-2.0, see /usr/share/doc/python3-grammalecte/copyright\n")
        f.write("# Skipped or adjusted analyses: "
                + ", ".join(f"{k} {v}" for k, v in sorted(ecartes.items())) + "\n")
        for l in entete_lefff(lefff):
            f.write(l.replace("# ", "# Second source (type L): ", 1))
        gardees = len({f for (f, _), v in lignes.items() if "L" in v[2]})
        f.write(f"# Forms added from the second source: {najouts} ({gardees} after the hand "
                "corrections)\n")
        f.write("# Second-source forms not added: "
                + ", ".join(f"{k} {v}" for k, v in sorted(rejets.items())) + "\n")
        f.write(f"# Hand corrections applied: {ncorr}\n")
        f.write("# forme\tlemme\tgenre\tnombre\ttype\n")
        for (forme, lemme) in sorted(lignes):
            g, n, types = lignes[(forme, lemme)]
            t = "".join(c for c in ordre if c in types)
            f.write(f"{forme}\t{lemme}\t{g}\t{n}\t{t}\n")


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("-o", "--sortie", default=SORTIE_DEFAUT)
    p.add_argument("--corrections", default=CORRECTIONS_DEFAUT)
    p.add_argument("--lefff", default=LEFFF_DEFAUT)
    p.add_argument("--cli", default=None)
    a = p.parse_args()
    cli = a.cli or ref.trouver_cli()
    info, entrees, inconnue = lire_dictionnaire()
    lignes, ecartes = analyser(entrees)
    ecartes["lemme pluriel ramené au singulier (corrigé)"] = normaliser_lemmes(lignes)
    najouts, rejets = ajouter_lefff(lignes, inconnue, a.lefff, cli)
    ncorr = appliquer_corrections(lignes, a.corrections)
    ecrire(lignes, info, ecartes, ncorr, a.sortie, a.lefff, najouts, rejets)
    formes = {f for f, _ in lignes}
    print(f"{len(lignes)} analyses, {len(formes)} formes (dont {najouts} du Lefff) "
          f"-> {a.sortie}", file=sys.stderr)


if __name__ == "__main__":
    main()
