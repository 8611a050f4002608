// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Inflection: the four forms of an adjective (masculine singular, feminine
// singular, masculine plural, feminine plural), each cell possibly holding
// alternatives, main form first, and an explanation for every form. The
// ending rules give the forms unless the paradigm lexicon (Paradigmes.h)
// lists the lemma. Windows-1252 text, fixed-size buffers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Explications.h"
#include "Lemmatiseur.h"

// The rules add at most three characters to a lemma of TAILLE_MOT - 1.
inline constexpr std::size_t TAILLE_FORME = TAILLE_MOT + 4;
// Alternatives kept in one cell.
inline constexpr std::size_t MAX_FORMES = 4;

enum : std::uint8_t {
    CASE_MS = 0, // masculine singular
    CASE_FS = 1, // feminine singular
    CASE_MP = 2, // masculine plural
    CASE_FP = 3, // feminine plural
    NB_CASES = 4,
};

// One form and how it is made: one or two explanations (Windows-1252,
// static, each with the code of its rule or list), the second null when the
// first says it all.
struct FormeFlechie {
    char Mot[TAILLE_FORME];
    const Message* Explication;
    const Message* Complement;
};

struct CaseParadigme {
    std::uint8_t Nb;
    FormeFlechie Formes[MAX_FORMES];
};

struct Paradigme {
    char Lemme[TAILLE_MOT];
    bool Liste; // the paradigm lexicon gave the forms
    CaseParadigme Cases[NB_CASES];
};

// The paradigm of a lemma (its first TAILLE_MOT - 1 characters). An empty
// lemma gives four empty cells.
void FlechirLemme(const char* lemme, Paradigme* paradigme);

// The paradigm of any form (its first TAILLE_MOT - 1 characters): a lemma
// of the paradigm lexicon is its own lemma; otherwise the analysis
// (AnalyserAdjectif, which rewrites BufExplication) gives the lemma, unless
// the lexicon does not list that one but lists the word as a form of another.
void FlechirAdjectif(const char* mot, Paradigme* paradigme);

// The explanation of one form, its texts joined, each after its code in
// brackets ("[F13] Règle du féminin : ..."), into `tampon` (`taille` bytes,
// terminator included, never overrun). Returns the length written.
std::size_t ExpliquerForme(const FormeFlechie& forme, char* tampon, std::size_t taille);

// Text shown for a cell that holds no form.
extern const char* const EXPLICATION_CASE_VIDE;
