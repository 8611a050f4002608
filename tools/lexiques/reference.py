# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Shared helpers of the lexicon tools: reading the reference of adjective
forms, running adjora-cli over a list of words with a set of lexicons, and
scoring its answers against the reference."""

import collections
import os
import subprocess
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.dirname(os.path.dirname(ICI))
REFERENCE = os.path.join(ICI, "reference", "adjectifs.tsv")
COURANTS = os.path.join(ICI, "courants.txt")

LISTES = "ABCDEFGH"
PAIRES = "CEG"

# Letters the lexicon reader takes: ASCII letters, hyphen and these
# code page 850 accented letters. Anything else splits a word.
LETTRES_LEXIQUE = set(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-" "ÇçâéüÂÀàÊêËëÈèÎîÏïÔôÛûÉÅÜ"
)
LONGUEUR_MAX = 48  # a 49-character word loads but raises a size report

GENRES = {"masculin": "m", "féminin": "f", "indéterminé": "?", "invariable": "="}
NOMBRES = {"singulier": "s", "pluriel": "p", "indéterminé": "?", "invariable": "="}

Ligne = collections.namedtuple("Ligne", "lemme genre nombre types")
Resultat = collections.namedtuple("Resultat", "lemme genre nombre explication")


def ecrivable(mot):
    """True when the word can stand as one lexicon word."""
    return 0 < len(mot) <= LONGUEUR_MAX and all(c in LETTRES_LEXIQUE for c in mot)


def lire_reference(chemin=REFERENCE):
    """Returns {form: [Ligne, ...]}, the best-attested analysis first."""
    formes = collections.defaultdict(list)
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            if ligne.startswith("#") or not ligne.strip():
                continue
            forme, lemme, genre, nombre, types = ligne.rstrip("\n").split("\t")
            formes[forme].append(Ligne(lemme, genre, nombre, types))
    for lignes in formes.values():
        lignes.sort(key=rang_de_source)
    return dict(formes)


def rang_de_source(ligne):
    """Hand-kept analyses first, then adjective, then noun readings, then the rest."""
    for rang, type_ in enumerate("KAN"):
        if type_ in ligne.types:
            return rang
    return 3


def lire_courants(chemin=COURANTS):
    """The hand-kept list of common adjective lemmas, in order."""
    with open(chemin, encoding="utf-8") as f:
        return [l.split("#")[0].strip() for l in f if l.split("#")[0].strip()]


def trouver_cli():
    """adjora-cli from $ADJORA_CLI or one of the build directories."""
    if os.environ.get("ADJORA_CLI"):
        return os.environ["ADJORA_CLI"]
    candidats = []
    for nom in os.listdir(RACINE):
        chemin = os.path.join(RACINE, nom, "cli", "adjora-cli")
        if nom.startswith("build") and os.access(chemin, os.X_OK):
            candidats.append(chemin)
    if not candidats:
        raise SystemExit("adjora-cli introuvable : construisez le projet ou donnez ADJORA_CLI")
    return max(candidats, key=os.path.getmtime)


def ecrire_lexiques(dossier, lexiques):
    """Writes the eight files (code page 850, one entry or pair per line,
    sorted). `lexiques` maps a list letter to {form: lemma or None}."""
    for lettre in LISTES:
        entrees = lexiques.get(lettre, {})
        lignes = []
        for forme in sorted(entrees, key=cle_tri):
            if lettre in PAIRES:
                lignes.append(f"{forme} {entrees[forme]}\n")
            else:
                lignes.append(f"{forme}\n")
        with open(os.path.join(dossier, f"except_{lettre}.lex"), "wb") as f:
            f.write("".join(lignes).encode("cp850"))


def lire_lexiques(dossier):
    """The entries of the eight files: {letter: {form: lemma or None}}."""
    lexiques = {}
    for l in LISTES:
        try:
            with open(os.path.join(dossier, f"except_{l}.lex"), encoding="cp850") as f:
                mots = f.read().split()
        except OSError:
            mots = []
        if l in PAIRES:
            lexiques[l] = dict(zip(mots[0::2], mots[1::2]))
        else:
            lexiques[l] = dict.fromkeys(mots)
    return lexiques


def cle_tri(mot):
    """Dictionary order: accents folded first, then the exact spelling."""
    plat = mot.translate(str.maketrans("àâçéèêëîïôûüÀÂÇÉÈÊËÎÏÔÛÜÅ", "aaceeeeiiouuAACEEEEIIOUUA"))
    return (plat.lower(), mot)


def champs_cli(mots, dossier, options, cli=None):
    """Runs adjora-cli with `options` over the words and the lexicons of
    `dossier`. Returns the fields of each word's line, in the words' order."""
    cli = cli or trouver_cli()
    entree = "".join(m + "\n" for m in mots).encode("utf-8")
    sortie = subprocess.run(
        [cli, "--lexiques", dossier, *options],
        input=entree,
        capture_output=True,
        check=True,
    ).stdout.decode("utf-8")
    lignes = sortie.split("\n")
    if lignes and lignes[-1] == "":
        lignes.pop()
    if len(lignes) != len(mots):
        raise SystemExit(f"adjora-cli a rendu {len(lignes)} lignes pour {len(mots)} mots")
    reponses = []
    for mot, ligne in zip(mots, lignes):
        champs = ligne.split("\t")
        if champs[0] != mot:
            raise SystemExit(f"réponse désalignée : {champs[0]!r} au lieu de {mot!r}")
        reponses.append(champs)
    return reponses


def analyser(mots, dossier, cli=None):
    """Runs adjora-cli over the words with the lexicons of `dossier`.
    Returns {word: Resultat}."""
    resultats = {}
    for mot, champs in zip(mots, champs_cli(mots, dossier, ["--explication"], cli)):
        explication = champs[4] if len(champs) > 4 else ""
        resultats[mot] = Resultat(champs[1], GENRES[champs[2]], NOMBRES[champs[3]], explication)
    return resultats


def analyser_avec(mots, lexiques, cli=None):
    """Writes the lexicons to a scratch directory and runs the engine."""
    with tempfile.TemporaryDirectory(prefix="adjora-lex-") as dossier:
        ecrire_lexiques(dossier, lexiques)
        return analyser(mots, dossier, cli)


def analyser_par_les_regles(mots, cli=None):
    """The answers of the ending rules alone (eight empty lexicons)."""
    return analyser_avec(mots, {}, cli)


def genre_juste(attendu, obtenu):
    if attendu == "e":
        return obtenu in ("?", "=")
    return attendu == obtenu


def nombre_juste(attendu, obtenu):
    if attendu == "i":
        return obtenu in ("?", "=")
    return attendu == obtenu


def noter(lignes, r):
    """Scores one answer: (lemma, gender, number) as booleans, against the
    analysis whose lemma the engine gave, else the best-attested one."""
    cible = next((l for l in lignes if l.lemme == r.lemme), lignes[0])
    return (cible.lemme == r.lemme, genre_juste(cible.genre, r.genre),
            nombre_juste(cible.nombre, r.nombre)), cible


def poids(note):
    """Weight used to compare two answers: the lemma first, then the gender."""
    return 4 * note[0] + 2 * note[1] + note[2]


def voisins(mot, alphabet):
    """Every word at edit distance 1 from `mot` (one letter removed, added or
    replaced)."""
    for i in range(len(mot) + 1):
        if i < len(mot):
            yield mot[:i] + mot[i + 1:]
        for c in alphabet:
            yield mot[:i] + c + mot[i:]
            if i < len(mot) and c != mot[i]:
                yield mot[:i] + c + mot[i + 1:]


# Regular feminine endings of a masculine, longest ending first; any other
# masculine takes an e.
FEMININS = (
    ("teur", ("trice", "teuse")), ("eux", ("euse",)), ("eur", ("euse", "eure")),
    ("eau", ("elle",)), ("eil", ("eille",)), ("gu", ("guë", "güe")), ("er", ("ère",)),
    ("et", ("ette", "ète")), ("el", ("elle",)), ("ul", ("ule", "ulle")), ("ol", ("ole", "olle")),
    ("en", ("enne",)), ("on", ("onne", "one")), ("an", ("ane", "anne")), ("ot", ("ote", "otte")),
    ("ou", ("oue", "olle")), ("f", ("ve",)), ("c", ("que", "che")), ("g", ("gue",)),
    ("x", ("se", "sse", "ce")), ("s", ("se", "sse")), ("e", ("e",)),
)


def pluriels(mot):
    if mot.endswith(("s", "x", "z")):
        return {mot}
    if mot.endswith("al"):
        return {mot[:-2] + "aux"}
    if mot.endswith("eau"):
        return {mot + "x"}
    return {mot + "s", mot + "x"} if mot.endswith("eu") else {mot + "s"}


def feminins(lemme):
    for finale, remplacements in FEMININS:
        if lemme.endswith(finale):
            return {lemme[: len(lemme) - len(finale)] + r for r in remplacements}
    return {lemme + "e"}


def reguliere(forme, lemme, g, n):
    """True when the form is what the regular inflection of the lemma gives
    for that gender and number (no beauvaisinne, raphialle, acnodals)."""
    singuliers = feminins(lemme) if g == "f" else {lemme}
    if n == "p":
        return any(forme in pluriels(s) for s in singuliers)
    return forme in singuliers and (n == "s" or forme.endswith(("s", "x", "z")))
