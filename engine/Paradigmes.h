// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The paradigm lexicon: the four cells of the adjectives whose forms the
// ending rules do not give, read from a code page 850 text file and kept as
// Windows-1252. Format (data/README): an entry is the four cells in the order
// masculine singular, feminine singular, masculine plural, feminine plural,
// separated by the word "-" and closed by the word "--"; a cell lists its
// forms, main form first; the first form of the first cell is the lemma.
//     beau bel - belle - beaux - belles --
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* FICHIER_PARADIGMES = "paradigmes.lex";

using CasesListees = std::array<std::vector<std::string>, 4>;

// Loads the file `nom` (in `dossier`, by default the current directory) in
// place of any paradigms loaded before. A file that cannot be opened is
// reported by the reader and leaves the lexicon empty; an entry without four
// cells or without a masculine singular, or with more than MAX_FORMES forms
// in a cell, is reported and left out; the first entry of a lemma wins.
void ChargerParadigmes(const char* nom = FICHIER_PARADIGMES, const char* dossier = nullptr);
void LibererParadigmes();
std::size_t NbParadigmes();

// The cells listed for `lemme`, or null.
const CasesListees* ParadigmeListe(std::string_view lemme);
// The lemma of the first entry that holds `forme` in one of its cells, or null.
const char* LemmeDeFormeListee(std::string_view forme);
