#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Audits the shipped lexicons and the reference they come from, most
suspicious first.

Every entry of the eight files, every reference form whose answer a list
decides or whose lemma is a common adjective, every form of both genders
that the engine answers with one gender and every form added from the Lefff
is looked at for the signs of a bad
entry (SIGNES below). Each suspect gets a score, the sum of the weights of
its signs (more for a common adjective); audit.txt lists the suspects that
corrections.tsv has not decided yet by score, then the decided ones, then
counts what the Lefff merely lacks (unknown words, nouns outside lists C-G,
compounds, participles), and lists those entries at the very end.

Usage: auditer.py [--lexiques DIR] [--cli PATH] [-o FILE]
(run extraire_lefff.py first; auditer.sh does both)
"""

import argparse
import collections
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import extraire_lefff as lefff  # noqa: E402
import generer_lexiques as gen  # noqa: E402
import reference as ref  # noqa: E402

SORTIE = os.path.join(ref.ICI, "audit.txt")
CORRECTIONS = os.path.join(ref.ICI, "corrections.tsv")

# What an entry of each list asserts about its form: lemma (from the key and
# the paired lemma), allowed genders, allowed numbers.
def la_cle(cle, lemme):
    return cle


def la_cle_sans_s(cle, lemme):
    return cle[:-1]


def le_lemme_apparie(cle, lemme):
    return lemme


def euse_en_eur(cle, lemme):
    return cle[:-4] + "eur"


ROLES = {
    "A": (la_cle, "m", "si"),
    "B": (la_cle_sans_s, "m", "p"),
    "C": (le_lemme_apparie, "f", "s"),
    "D": (la_cle, "e", "si"),
    "E": (le_lemme_apparie, "m", "s"),
    "F": (euse_en_eur, "f", "s"),
    "G": (le_lemme_apparie, "f", "s"),
    "H": (la_cle, "e", "i"),
}

# The signs of a bad entry and their weights.
PLURIEL = "lemme au pluriel"
FINALE = "lemme qui n'est pas la forme moins une finale connue"
NOM = "nom seulement pour le Lefff, dans les listes C à E ou G"
NOM_F = "nom seulement pour le Lefff, dans la liste F (nom d'agent en -euse)"
VOISIN = "à une lettre de l'adjectif de Dicollecte"
CONTREDITE = "contredite par le Lefff"
EPICENE = "épicène en -e rendu d'un seul genre"
LIMITE = "épicène sans -e final rendu masculin (limite des règles)"
AJOUT = "ajoutée du Lefff"
COURANT = "adjectif courant"
EUR_EUX = "masculin en -eur inconnu, masculin en -eux connu (liste F)"
PARTICIPE_H = "participe passé dans la liste H"
ETRANGER_H = "mot latin ou étranger dans la liste H"
FEMININ_SEUL = "adjectif du seul féminin"
COMPOSE_INVARIABLE = "composé invariable"
SIGNES = {PLURIEL: 5, FINALE: 4, NOM: 4, NOM_F: 2, VOISIN: 3, CONTREDITE: 3, EPICENE: 3, AJOUT: 1,
          LIMITE: 1, COURANT: 2, EUR_EUX: 6, PARTICIPE_H: 6, ETRANGER_H: 6, FEMININ_SEUL: 6,
          COMPOSE_INVARIABLE: 6}

# The shapes of a Latin or foreign word: Latin endings, letters and digraphs
# that French spelling seldom uses.
ETRANGER = re.compile(r"(us|um|is|ae|ii|ens|a)$|[kwy]|sh|oo|ee|ck|gh|th")
# Endings that mark a feminine, and the masculines they come from.
FINALES_FEMININES = [("ière", "ier"), ("trice", "teur"), ("euse", "eur"), ("euse", "eux"),
                     ("ienne", "ien"), ("onne", "on"), ("ette", "et"), ("esse", "e")]

PLIER = str.maketrans("âêîôûäëïöüè", "aeiouaeioué")

ACCORD = "accord"


def plier(mot):
    return mot.translate(PLIER)


class Lefff:
    """Lookup in the Lefff adjective extract."""

    def __init__(self, extrait, categories):
        self.formes = extrait
        self.categories = categories
        self.variantes = collections.defaultdict(set)
        for f in extrait:
            self.variantes[plier(f)].add(f)

    def verdict(self, forme, lemme, genres, nombres):
        """ACCORD, or the kind of disagreement with the claim."""
        analyses = self.formes.get(forme, [])
        if any(l == lemme and g in genres and n in nombres for l, g, n in analyses):
            return ACCORD
        memes = [(g, n) for l, g, n in analyses if l == lemme]
        if memes:
            g, n = memes[0]
            quoi = "genre" if g not in genres else "nombre"
            return f"{quoi} différent (Lefff : {lemme}/{g}/{n})"
        if analyses:
            autres = ", ".join(f"{l}/{g}/{n}" for l, g, n in analyses)
            return f"lemme différent (Lefff : {autres})"
        autres = self.categories.get(forme, set())
        if "participe" in autres:
            return "participe seulement (Lefff : lemme verbal)"
        if "nc" in autres:
            return "nom seulement dans le Lefff"
        if autres:
            return "absente des adjectifs du Lefff (catégories : " + ", ".join(sorted(autres)) + ")"
        return "inconnue du Lefff"

    def rectifiee(self, forme, lemme):
        """True when the Lefff lacks the form but has an adjective spelt the
        same but for accents (mûre for mure, aigüe for aiguë), or lists the
        form with a lemma differing only by accents: 1990 spellings."""
        if forme not in self.formes:
            return any(v != forme for v in self.variantes.get(plier(forme), ()))
        return any(l != lemme and plier(l) == plier(lemme) for l, _, _ in self.formes[forme])


def absence(forme, lemme, verdict, lefff_, types):
    """The kind of absence from the Lefff's adjectives, or None when the
    verdict is a disagreement."""
    if lefff_.rectifiee(forme, lemme):
        return "orthographe rectifiée (1990) ou variante d'accent"
    if "-" in forme:
        return "mot composé"
    if verdict.startswith("participe") or "P" in types:
        return "participe"
    if verdict.startswith(("nom seulement", "absente", "inconnue")):
        return verdict.split(" (")[0].replace(" dans le Lefff", " dans le Lefff")
    return None


def lire_decisions(chemin=CORRECTIONS):
    """{form or lemma: the first row of corrections.tsv that names it}."""
    decisions = {}
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            corps, _, raison = ligne.partition("#")
            champs = corps.split()
            if len(champs) >= 3:
                for mot in champs[1:3]:
                    decisions.setdefault(mot, f"{' '.join(champs)}  # {raison.strip()}")
    return decisions


def dernier(mot):
    return mot.split("-")[-1]


def pluriel_apparent(lemme, formes):
    """True when a singular entry's lemma reads as a plural: a plural ending
    (-es, -és, -ées, -ants, -ents), or an s or x after a form that is a lemma
    of its own (cotiennes, chrétiennes-démocrates)."""
    if lemme.endswith(("es", "és", "ants", "ents")):
        return True
    sans = lemme[:-1]
    return lemme.endswith(("s", "x")) and any(l.lemme == sans for l in formes.get(sans, ()))


def finale_inconnue(forme, lemme):
    """True when the lemma of a feminine is not the form less a known
    ending: neither its regular inflection nor a shorter word that shares
    all but its last two letters (compounds: their last part)."""
    forme, lemme = dernier(forme), dernier(lemme)
    if ref.reguliere(forme, lemme, "f", "s"):
        return False
    return len(lemme) > len(forme) or len(os.path.commonprefix([forme, lemme])) < len(lemme) - 2


class Audit:
    def __init__(self, formes, lexiques, lefff_, resultats, courants):
        self.formes = formes
        self.lexiques = lexiques
        self.lefff = lefff_
        self.resultats = resultats
        self.courants = courants
        self.dicollecte = {f for f, ls in formes.items() if any(set(l.types) & set("ANP") for l in ls)}
        self.alphabet = sorted({c for f in self.dicollecte for c in f})
        self.lemmes = {l.lemme for ls in formes.values() for l in ls}
        self.suspects = collections.defaultdict(lambda: {"signes": {}, "dit": set(), "lemmes": set()})
        self.absentes = collections.defaultdict(list)

    def signaler(self, mot, dit, signe, detail="", lemme=None):
        s = self.suspects[mot]
        s["dit"].add(dit)
        s["lemmes"].add(lemme or mot)
        s["signes"].setdefault(signe, detail)

    def voisin(self, mot):
        """A Dicollecte adjective one letter away from a word it lacks (a
        plural less its s, a list key, is not lacking)."""
        if mot in self.dicollecte or mot + "s" in self.dicollecte:
            return None
        return next((v for v in ref.voisins(mot, self.alphabet) if v in self.dicollecte), None)

    def courant(self, mot):
        return any(l.lemme in self.courants for l in self.formes.get(mot, ()))

    def entrees(self):
        """Signs on every entry of the eight files; returns their count."""
        total = 0
        for lettre in ref.LISTES:
            lemme_de, genres, nombres = ROLES[lettre]
            for cle, associe in self.lexiques[lettre].items():
                total += 1
                lemme = lemme_de(cle, associe)
                dit = f"liste {lettre} -> {lemme}/{genres}/{nombres}"
                self.formes_signes(cle, lemme, dit, lettre in "CDEFG", "s" in nombres and lettre != "H")
                if lettre in "CG" and cle != lemme and finale_inconnue(cle, lemme):
                    self.signaler(cle, dit, FINALE, lemme=lemme)
                self.signes_du_role(lettre, cle, lemme, dit)
                v = self.lefff.verdict(cle, lemme, genres, nombres)
                if v == ACCORD:
                    continue
                types = "".join(l.types for l in self.formes.get(cle, []))
                genre = absence(cle, lemme, v, self.lefff, types)
                if genre is None:
                    self.signaler(cle, dit, CONTREDITE, v, lemme)
                elif genre.startswith("nom seulement") and lettre in "CDEFG":
                    self.signaler(cle, dit, NOM_F if lettre == "F" else NOM, lemme=lemme)
                elif cle not in self.suspects:
                    self.absentes[genre].append(f"{cle}  {dit} : {v}")
        return total

    def connu(self, mot):
        """A word either source knows, in any category."""
        return mot in self.formes or mot in self.lefff.formes or mot in self.lefff.categories

    def signes_du_role(self, lettre, cle, lemme, dit):
        """Signs that only an entry of one list can carry."""
        if lettre == "F" and self.eur_pour_eux(lemme):
            self.signaler(cle, dit, EUR_EUX, lemme[:-3] + "eux", lemme)
        if lettre == "H" and any("P" in l.types for l in self.formes.get(cle, ())):
            self.signaler(cle, dit, PARTICIPE_H, lemme=lemme)
        elif lettre == "H" and "participe" in self.lefff.categories.get(cle, ()):
            self.signaler(cle, dit, PARTICIPE_H, lemme=lemme)
        if lettre == "H" and "-" not in cle and not self.connu_du_lefff(cle) and ETRANGER.search(cle):
            self.signaler(cle, dit, ETRANGER_H, lemme=lemme)
        if lettre == "D" and self.sans_masculin(cle):
            self.signaler(cle, dit, FEMININ_SEUL, "aucun masculin connu", lemme)

    def connu_du_lefff(self, mot):
        return mot in self.lefff.formes or mot in self.lefff.categories

    def eur_pour_eux(self, lemme):
        """True when a masculine in -eur is known to neither source as a word
        of its own (a compound: its last part) while its -eux twin is."""
        eux = lemme[:-3] + "eux"
        eur_connu = lemme in self.lefff.formes or dernier(lemme) in self.lefff.formes
        eux_connu = any(m in self.lemmes or m in self.lefff.formes for m in (eux, dernier(eux)))
        return eux_connu and not eur_connu

    def sans_masculin(self, mot):
        """True when a word ends as a feminine whose masculine no source knows."""
        for fin, masculin in FINALES_FEMININES:
            if mot.endswith(fin) and len(mot) > len(fin) + 2:
                return not any(self.connu(mot[: -len(fin)] + m)
                               for f, m in FINALES_FEMININES if f == fin)
        return False

    def feminins_seuls(self):
        """The lemmas whose every reference form is feminine, and the epicene
        lemmas in a feminine ending whose masculine no source knows."""
        par_lemme = collections.defaultdict(set)
        for f, lignes in self.formes.items():
            for l in lignes:
                par_lemme[l.lemme].add(l.genre)
        for lemme, genres in sorted(par_lemme.items()):
            if genres == {"f"}:
                self.signaler(lemme, "référence : formes féminines seulement", FEMININ_SEUL)
            elif genres == {"e"} and lemme.endswith("e") and self.sans_masculin(lemme):
                self.signaler(lemme, "référence : épicène", FEMININ_SEUL, "aucun masculin connu")

    def composes_invariables(self, non_etiquetes):
        """Compounds whose last part is a noun and no adjective, which the
        reference inflects; compounds the Lefff leaves untagged (invariable)
        that the reference lacks."""
        par_lemme = collections.defaultdict(set)
        for f, lignes in self.formes.items():
            for l in lignes:
                par_lemme[l.lemme].add((f, l.genre, l.nombre))
        for lemme, formes in sorted(par_lemme.items()):
            fin = dernier(lemme)
            if "-" not in lemme or fin in self.formes or fin in self.lefff.formes:
                continue
            if "nc" not in self.lefff.categories.get(fin, ()):
                continue
            if formes != {(lemme, "e", "i")}:
                dit = "formes " + ", ".join(sorted(f for f, _, _ in formes))
                self.signaler(lemme, dit, COMPOSE_INVARIABLE, f"{fin} : nom", lemme)
        for mot in sorted(non_etiquetes):
            if "-" in mot and mot not in self.formes:
                self.signaler(mot, "Lefff sans genre ni nombre", COMPOSE_INVARIABLE,
                              "absent de la référence")

    def formes_signes(self, mot, lemme, dit, c_a_g, singulier):
        """The signs a word and its lemma carry whatever list holds them."""
        if singulier and pluriel_apparent(lemme, self.formes):
            self.signaler(mot, dit, PLURIEL, lemme=lemme)
        for m in dict.fromkeys((mot, lemme)):  # the word first, in a stable order
            v = self.voisin(m)
            if v:
                self.signaler(mot, dit, VOISIN, f"{m} ~ {v}", lemme)
        if all(l.types == "L" for l in self.formes.get(mot, [ref.Ligne("", "", "", "K")])):
            self.signaler(mot, dit, AJOUT, lemme=lemme)
        if self.courant(mot):
            self.signaler(mot, dit, COURANT, lemme=lemme)

    def formes_decidees(self):
        """Signs on the reference forms whose answer a list decides, and on
        those of the common adjectives; returns the count of the first."""
        total = 0
        for f in sorted(self.formes):
            r = self.resultats[f]
            decidee = gen.entree_appliquee(f, r, self.lexiques) is not None
            if not decidee and not self.courant(f):
                continue
            total += decidee
            _, cible = ref.noter(self.formes[f], r)
            dit = f"référence {cible.lemme}/{cible.genre}/{cible.nombre}"
            self.formes_signes(f, cible.lemme, dit, False, cible.nombre == "s")
            v = self.lefff.verdict(f, cible.lemme, cible.genre, cible.nombre)
            if v != ACCORD and absence(f, cible.lemme, v, self.lefff, cible.types) is None:
                self.signaler(f, dit, CONTREDITE, v, cible.lemme)
        return total

    def epicenes(self):
        """Forms of both genders answered with one gender, one suspect per lemma."""
        par_lemme = collections.defaultdict(list)
        for f, lignes in self.formes.items():
            r = self.resultats[f]
            _, cible = ref.noter(lignes, r)
            if cible.genre == "e" and r.genre in "mf":
                par_lemme[cible.lemme].append((f, r.genre))
        for lemme, formes in par_lemme.items():
            rendu = "/".join(sorted({"masculin" if g == "m" else "féminin" for _, g in formes}))
            dit = f"{', '.join(sorted(f for f, _ in formes))} rendus {rendu}"
            fin_e = all(f.rstrip("s").endswith("e") for f, _ in formes)
            self.signaler(lemme, dit, EPICENE if fin_e else LIMITE)
            if self.courant(lemme):
                self.signaler(lemme, dit, COURANT)

    def ajouts(self):
        """The forms added from the Lefff, one suspect per lemma."""
        par_lemme = collections.defaultdict(list)
        for f, lignes in self.formes.items():
            for l in lignes:
                if l.types == "L":
                    par_lemme[l.lemme].append(f)
        for lemme, formes in par_lemme.items():
            if not any(f in self.suspects for f in formes):
                self.signaler(lemme, "formes " + ", ".join(sorted(formes)), AJOUT)


def score(suspect):
    return sum(SIGNES[s] for s in suspect["signes"])


def lignes_suspects(suspects, decisions):
    """(undecided lines, decided lines), each by score then word."""
    rangs = sorted(suspects.items(), key=lambda kv: (-score(kv[1]), kv[0]))
    libres, decides = [], []
    for mot, s in rangs:
        if list(s["signes"]) == [COURANT]:
            continue
        signes = " ; ".join(f"{k} ({v})" if v else k for k, v in s["signes"].items())
        ligne = f"{score(s):4d}  {mot}  [{' ; '.join(sorted(s['dit']))}] : {signes}"
        decide = next((m for m in [mot, *sorted(s["lemmes"])] if m in decisions), None)
        if decide:
            decides.append(ligne + f"\n        décision : {decisions[decide]}")
        else:
            libres.append(ligne)
    return libres, decides


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--lexiques", default=os.path.join(ref.RACINE, "data"))
    p.add_argument("--cli", default=None)
    p.add_argument("-o", "--sortie", default=SORTIE)
    a = p.parse_args()
    formes = ref.lire_reference()
    lefff_ = Lefff(lefff.lire_extrait(), lefff.categories())
    resultats = ref.analyser(sorted(formes), os.path.abspath(a.lexiques), a.cli)
    audit = Audit(formes, ref.lire_lexiques(a.lexiques), lefff_, resultats,
                  set(ref.lire_courants()))
    n_entrees = audit.entrees()
    n_formes = audit.formes_decidees()
    audit.epicenes()
    audit.feminins_seuls()
    brut = lefff.lire_extrait(sans_traits=("?", "?"))
    audit.composes_invariables({f for f, ls in brut.items() if any(g == "?" for _, g, _ in ls)})
    audit.ajouts()
    libres, decides = lignes_suspects(audit.suspects, lire_decisions())
    with open(lefff.SORTIE_DEFAUT, encoding="utf-8") as f:
        entete = [l.rstrip("\n") for l in f if l.startswith(("# Source", "# Lic"))]
    with open(ref.REFERENCE, encoding="utf-8") as f:
        entete += [l.rstrip("\n") for l in f if l.startswith(("# Source", "# Debian", "# Lic"))]
    absentes = sum(len(v) for v in audit.absentes.values())
    with open(a.sortie, "w", encoding="utf-8", newline="\n") as f:
        f.write("Audit of the shipped lexicons and their reference (tools/lexiques/auditer.sh): "
                f"{len(libres)} suspects without a decision in corrections.tsv, most suspicious "
                "first (score, word, [what the lists or the reference say] : signs)\n")
        f.write("\n".join(libres) + "\n\n")
        f.write(f"Suspects already decided in corrections.tsv: {len(decides)}\n")
        f.write("\n".join(decides) + "\n\n")
        f.write("Signs and weights: " + "; ".join(f"{k} {v}" for k, v in SIGNES.items()) + "\n")
        f.write(f"Entries of the eight files: {n_entrees}; reference forms whose answer a list "
                f"decides: {n_formes}\n")
        f.write("\n".join(entete) + "\n\n")
        f.write(f"Entries whose only sign is their absence from the Lefff's adjectives: {absentes}\n")
        for genre, lignes in sorted(audit.absentes.items(), key=lambda kv: -len(kv[1])):
            f.write(f"  {len(lignes):6d}  {genre}\n")
        for genre, lignes in sorted(audit.absentes.items(), key=lambda kv: -len(kv[1])):
            f.write(f"\n{genre}:\n" + "".join(f"  {l}\n" for l in lignes))
    print(f"{len(libres)} suspects à décider, {len(decides)} décidés, {absentes} entrées "
          f"seulement absentes du Lefff -> {a.sortie}", file=sys.stderr)


if __name__ == "__main__":
    main()
