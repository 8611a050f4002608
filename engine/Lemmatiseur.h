// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The adjective analysis engine: record, codes, explanation buffer, the eight
// exception lexicons, the number and gender stages and the lexicon loader.
// All words, endings and explanations are Windows-1252 text.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Liste.h"

inline constexpr std::size_t TAILLE_MOT = 51;          // 50 characters and the terminator
inline constexpr std::size_t TAILLE_EXPLICATION = 354; // longest explanation and the terminator
inline constexpr std::size_t TAILLE_REGLES = 16;       // "N8 G1 G2", the longest record, fits

struct Analyse {
    char Mot[TAILLE_MOT];
    std::uint8_t CodeGenre;
    std::uint8_t CodeNombre;
};

enum : std::uint8_t {
    GENRE_MASCULIN = 0,
    GENRE_FEMININ = 1,
    GENRE_INDETERMINE = 2,
    GENRE_INVARIABLE = 3,
};

enum : std::uint8_t {
    NOMBRE_SINGULIER = 0,
    NOMBRE_PLURIEL = 1,
    NOMBRE_INDETERMINE = 2,
    NOMBRE_INVARIABLE = 3,
};

struct ListeDouble {
    Liste* Formes;
    Liste* Lemmes;
};

// One explanation per thread: analyses may run on several threads at once.
inline thread_local char BufExplication[TAILLE_EXPLICATION] = {};
// The codes of the explanations of this thread's last analysis, in the order
// of their texts, separated by a space: "N3 G6" for "belles".
inline thread_local char BufRegles[TAILLE_REGLES] = {};

extern Liste* ListeA;
extern Liste* ListeB;
extern ListeDouble ListeC;
extern Liste* ListeD;
extern ListeDouble ListeE;
extern Liste* ListeF;
extern ListeDouble ListeG;
extern Liste* ListeH;

// Membership in a lexicon: true when `mot` is an entry of `liste`. A null
// list (a lexicon not loaded yet) counts as empty and never matches. Answered
// through the list's index when it has a current one (Index.h).
bool EstDansListe(const char* mot, Liste* liste);

// Analysis.
// Whether a Windows-1252 text holds a letter (ASCII or accented Latin, Œ, Š,
// Ž, Ÿ): a token without one (",", "...", "42", "«", "--") is no word, and
// no face analyses or inflects it. A null text holds none.
bool ContientUneLettre(const char* mot1252);
const char* AnalyserAdjectif(const char* mot, Analyse* analyse);
bool AnalyserNombre(char* mot, std::uint8_t* genre, std::uint8_t* nombre);
void AnalyserGenre(char* mot, std::uint8_t* genre);
bool ConsonneDoublee(const char* mot);
char* LemmeCorrespondant(char* mot, Liste* formes, Liste* lemmes);

// Loading (lexicon files by name, from `dossier`, or from the current
// directory when it is null or empty; the current directory never changes).
// The files are code page 850 text; their words are stored as Windows-1252.
// ChargerExceptions frees the lists of any previous load first, and indexes
// the eleven new ones (Index.h).
void ChargerExceptions(const char* dossier = nullptr);
Liste* ChargerSimple(const char* nom, const char* dossier = nullptr);
void ChargerDouble(const char* nom, ListeDouble* sortie, const char* dossier = nullptr);
// Destroys the eleven lists and leaves every lexicon empty (null).
void LibererExceptions();
