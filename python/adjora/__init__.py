# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Adjora: lemma, gender and number of French qualifying adjectives.

Give an adjective in any inflected form (*belles*, *heureuse*, *loyaux*):
Adjora gives its lemma (the masculine singular), its gender and its number,
and explains in French which ending rule or exception list answered. The same
engine as the adjora and adjora-cli programs, through libadjora.

    >>> import adjora
    >>> r = adjora.analyser("belles")
    >>> r.lemme, r.genre.ud, r.nombre.ud
    ('beau', 'Fem', 'Plur')
    >>> str(r.genre)
    'féminin'
    >>> adjora.formes("vieux").masculin_singulier
    ('vieux', 'vieil')

The module functions use the installed lexicons, opened at the first call
(adjora.fermer() closes them). To choose the folder, open an `Adjora`; a
process holds one folder's lexicons at a time (LexiquesOccupes otherwise):

    with adjora.Adjora("mes-lexiques") as lexiques:
        for r in lexiques.analyser_lot(mots):
            print(r.mot, r.lemme)

Results are immutable named tuples whose attribute names are the JSON Lines
keys of adjora-cli: `Analyse` (mot, lemme, genre, nombre, regles,
explication) and `Formes` (mot, lemme, masculin_singulier, feminin_singulier,
masculin_pluriel, feminin_pluriel, explications); `en_dict()` gives the object
adjora-cli --format jsonl writes. `Genre` and `Nombre` are integer enums
holding the engine's code, with the French value (`str()`, `.francais`) and
the Universal Dependencies one (`.ud`: "Masc", "Fem", "Sing", "Plur", or None).

Errors:
  ValueError          an empty word, or a character Windows-1252 cannot hold
                      (named in the message, as adjora-cli names it)
  TypeError           a word that is not a str
  DossierIntrouvable  the data folder is missing or holds no lexicon
                      (a FileNotFoundError)
  LexiquesOccupes     another folder's lexicons are already open in this process
  ErreurAdjora        base class of the two above; also calls on closed lexicons
Warnings:
  AvertissementLexique  a lexicon file missing, faulty or cut (its `fichier`
                        is named); the others are used
  MotTronque            a word over 50 characters: only the first 50 count
  LigneCopiee           conllu(): a line copied as it is, for a character
                        Windows-1252 cannot hold
"""

from __future__ import annotations

import enum
import errno
import os
import threading
import warnings
from typing import Iterable, Iterator, NamedTuple, Optional, Tuple, Union

from . import _adjora

__all__ = [
    "Adjora", "Analyse", "Formes", "Explications", "Genre", "Nombre",
    "ErreurAdjora", "DossierIntrouvable", "LexiquesOccupes",
    "AvertissementLexique", "MotTronque", "LigneCopiee",
    "analyser", "analyser_lot", "formes", "conllu", "fermer", "version",
]


class Genre(enum.IntEnum):
    """Gender of an answer: the engine's code, its French name (str()) and
    its Universal Dependencies value (`ud`)."""

    MASCULIN = 0
    FEMININ = 1
    INDETERMINE = 2
    INVARIABLE = 3

    @property
    def francais(self) -> str:
        """The value adjora-cli writes: "masculin", "féminin", "indéterminé", "invariable"."""
        return _GENRES_FR[self.value]

    @property
    def ud(self) -> Optional[str]:
        """"Masc" or "Fem", None when the gender is not settled (undetermined or invariable)."""
        return _GENRES_UD[self.value]

    def __str__(self) -> str:
        return self.francais


class Nombre(enum.IntEnum):
    """Number of an answer: the engine's code, its French name (str()) and
    its Universal Dependencies value (`ud`)."""

    SINGULIER = 0
    PLURIEL = 1
    INDETERMINE = 2
    INVARIABLE = 3

    @property
    def francais(self) -> str:
        """The value adjora-cli writes: "singulier", "pluriel", "indéterminé", "invariable"."""
        return _NOMBRES_FR[self.value]

    @property
    def ud(self) -> Optional[str]:
        """"Sing" or "Plur", None when the number is not settled (undetermined or invariable)."""
        return _NOMBRES_UD[self.value]

    def __str__(self) -> str:
        return self.francais


_GENRES_FR = ("masculin", "féminin", "indéterminé", "invariable")
_GENRES_UD = ("Masc", "Fem", None, None)
_NOMBRES_FR = ("singulier", "pluriel", "indéterminé", "invariable")
_NOMBRES_UD = ("Sing", "Plur", None, None)


class Analyse(NamedTuple):
    """The analysis of one form."""

    mot: str
    """the word as given"""
    lemme: str
    """the masculine singular"""
    genre: Genre
    nombre: Nombre
    regles: Tuple[str, ...]
    """codes of the rules and lists used, in order"""
    explication: Optional[str]
    """the French explanation (real line breaks), None unless asked for"""

    def en_dict(self) -> dict:
        """The object adjora-cli --format jsonl writes for this word."""
        objet = {"mot": self.mot, "lemme": self.lemme, "genre": self.genre.francais,
                 "nombre": self.nombre.francais, "regles": list(self.regles)}
        if self.explication is not None:
            objet["explication"] = self.explication
        return objet


class Explications(NamedTuple):
    """The explanation of each form of the four cells, in the order of the forms."""

    masculin_singulier: Tuple[str, ...]
    feminin_singulier: Tuple[str, ...]
    masculin_pluriel: Tuple[str, ...]
    feminin_pluriel: Tuple[str, ...]


class Formes(NamedTuple):
    """The four forms of an adjective; each cell holds its alternatives, main
    form first (("beau", "bel")), and is empty where no form exists."""

    mot: str
    lemme: str
    masculin_singulier: Tuple[str, ...]
    feminin_singulier: Tuple[str, ...]
    masculin_pluriel: Tuple[str, ...]
    feminin_pluriel: Tuple[str, ...]
    explications: Optional[Explications]
    """None unless asked for"""

    def en_dict(self) -> dict:
        """The object adjora-cli --formes --format jsonl writes for this word."""
        objet = {"mot": self.mot, "lemme": self.lemme}
        for cle in Explications._fields:
            objet[cle] = list(getattr(self, cle))
        if self.explications is not None:
            objet["explications"] = {cle: list(v) for cle, v in self.explications._asdict().items()}
        return objet


class ErreurAdjora(Exception):
    """Base of the library's own errors."""


class DossierIntrouvable(ErreurAdjora, FileNotFoundError):
    """The data folder is missing or holds none of except_A.lex to except_H.lex."""


class LexiquesOccupes(ErreurAdjora):
    """Lexicons of another folder are already open in this process (close them first)."""


class AvertissementLexique(UserWarning):
    """A lexicon file is missing, faulty or cut; the other lists are used.
    `fichier` names the file, `message` is the French report."""

    def __init__(self, fichier: str, message: str) -> None:
        super().__init__(f"{fichier} : {message}")
        self.fichier = fichier
        self.message = message


class MotTronque(UserWarning):
    """A word over 50 characters: only its first 50 were analysed."""


class LigneCopiee(UserWarning):
    """conllu(): a line copied as it is, because a character cannot be analysed."""


def _raison_refus(mot: str) -> str:
    """Why a word is refused, naming the first character at fault."""
    for c in mot:
        point = ord(c)
        if point < 0x20 or 0x7F <= point < 0xA0:
            return f"caractère de contrôle U+{point:04X} refusé"
        if 0xD800 <= point < 0xE000:
            return f"caractère U+{point:04X} (demi-code isolé) : texte Unicode invalide"
        try:
            c.encode("cp1252")
        except UnicodeEncodeError:
            return f"caractère « {c} » (U+{point:04X}) absent du jeu Windows-1252"
    return "caractère absent du jeu Windows-1252"


_TRONQUE = "mot de plus de 50 caractères : seuls les 50 premiers sont analysés"


def _forme_conllu(ligne: str) -> str:
    """The form a CoNLL-U word line has analysed: FORM, or the CorrectForm of
    its MISC column when FEATS holds Typo=Yes."""
    colonnes = ligne.split("\t")
    if len(colonnes) != 10:
        return ligne
    if "Typo=Yes" in colonnes[5].split("|"):
        for element in colonnes[9].split("|"):
            if element.startswith("CorrectForm="):
                return element[len("CorrectForm="):]
    return colonnes[1]


def _couper_fin(ligne: str) -> Tuple[str, str]:
    """A line without its line break (LF or CR LF), and that break."""
    fin = ""
    if ligne.endswith("\n"):
        fin = "\n"
        ligne = ligne[:-1]
    if ligne.endswith("\r"):
        fin = "\r" + fin
        ligne = ligne[:-1]
    return ligne, fin


class Adjora(_adjora.Lexiques):
    """The lexicons of one data folder, and the calls over them.

    Adjora(dossier=None): `dossier` holds except_A.lex to except_H.lex and
    optionally paradigmes.lex; None takes the installed data folder (as the
    programs do). A lexicon file missing or faulty gives an
    AvertissementLexique naming it, and the others are used; a missing folder
    raises DossierIntrouvable. Calls are safe from several threads at once;
    use `with` or fermer() to free the lexicons early.
    """

    def __init__(self, dossier: Union[str, os.PathLike, None] = None) -> None:
        try:
            super().__init__(dossier)
        except DossierIntrouvable as refus:
            nom = "dossier des lexiques installé" if dossier is None else os.fsdecode(dossier)
            raise DossierIntrouvable(errno.ENOENT, str(refus), nom) from None
        self._avertir()

    def __enter__(self) -> "Adjora":
        return self

    def __exit__(self, *exception: object) -> None:
        self.fermer()

    def recharger(self) -> None:
        """Reads the same folder again; reports as at opening."""
        super().recharger()
        self._avertir()

    def _avertir(self) -> None:
        """An AvertissementLexique for each report of the last load, shown
        where the lexicons were opened or reloaded."""
        for fichier, message in self.rapports():
            warnings.warn(AvertissementLexique(fichier, message), stacklevel=3)

    def conllu(self, lignes: Iterable[str], explication: bool = False) -> Iterator[str]:
        """Rewrites CoNLL-U lines as adjora-cli --conllu does, one line out for
        each line in, line breaks kept (LF, CR LF or none). Only ADJ word
        lines change (LEMMA, Gender and Number in FEATS; with
        explication=True, Adjora= in MISC). A line with a character that
        Windows-1252 cannot hold is copied as it is, with a LigneCopiee
        warning naming its number and the character."""
        if isinstance(lignes, (str, bytes)):
            raise TypeError("conllu attend des lignes (une liste, un fichier ouvert), pas une chaîne")
        for numero, ligne in enumerate(lignes, 1):
            if not isinstance(ligne, str):
                raise TypeError(f"ligne {numero} : la ligne doit être une chaîne (str), pas {type(ligne).__name__}")
            corps, fin = _couper_fin(ligne)
            code, sortie = self._conllu_ligne(corps, explication)
            if code == 1:
                warnings.warn(MotTronque(f"ligne {numero} : {_TRONQUE}"), stacklevel=2)
            if sortie is None:
                raison = _raison_refus(_forme_conllu(corps))
                warnings.warn(LigneCopiee(f"ligne {numero} : forme laissée telle quelle : {raison}"),
                              stacklevel=2)
                sortie = corps
            yield sortie + fin


_adjora._installer(globals())

_defaut: Optional[Adjora] = None
_verrou = threading.Lock()


def _lexiques() -> Adjora:
    global _defaut
    with _verrou:
        if _defaut is None:
            _defaut = Adjora()
        return _defaut


def analyser(mot: str, explication: bool = False) -> Analyse:
    """Analyses one form with the installed lexicons (see Adjora.analyser)."""
    return _lexiques().analyser(mot, explication)


def analyser_lot(mots: Iterable[str], explication: bool = False) -> list:
    """Analyses every word, the GIL released for the whole batch (see Adjora.analyser_lot)."""
    return _lexiques().analyser_lot(mots, explication)


def formes(mot: str, explication: bool = False) -> Formes:
    """The four forms of an adjective with the installed lexicons (see Adjora.formes)."""
    return _lexiques().formes(mot, explication)


def conllu(lignes: Iterable[str], explication: bool = False) -> Iterator[str]:
    """Rewrites CoNLL-U lines with the installed lexicons (see Adjora.conllu)."""
    return _lexiques().conllu(lignes, explication)


def fermer() -> None:
    """Closes the installed lexicons that the module functions opened (the next
    call opens them again). A process holds one folder's lexicons at a time:
    close these before opening an Adjora on another folder."""
    global _defaut
    with _verrou:
        if _defaut is not None:
            _defaut.fermer()
            _defaut = None


def version() -> str:
    """Version of libadjora, such as "1.0"."""
    return _adjora.version()
