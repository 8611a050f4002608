// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole run of adjora-cli, streams given, so that tests can drive it.
#pragma once

#include <iosfwd>

#include "Arguments.h"

namespace cli {

// Exit statuses. When several apply, the first of 3, 4, 5, 1 in this list wins.
inline constexpr int SORTIE_SUCCES = 0;
inline constexpr int SORTIE_MOT_REFUSE = 1; // a word, a line or a file refused
inline constexpr int SORTIE_USAGE = 2;      // usage error, no lexicon directory
inline constexpr int SORTIE_ECRITURE = 3;   // the output could not be written
inline constexpr int SORTIE_LECTURE = 4;    // an input could not be read to its end
inline constexpr int SORTIE_LEXIQUE = 5;    // a lexicon missing, unreadable or faulty

// Analyses the words of `options` (or the lines read from the file descriptor
// `entree` when there are none; "-" stands for `entree`, -1 for a closed
// input), or with --conllu rewrites the CoNLL-U files named (or `entree`), on
// `sortie`; refusals, notices and usage errors go to `erreurs`. Loads the
// lexicons first. With `viderAvantLecture`, `sortie` is flushed before each
// read (someone reads the answers as they type). Returns the exit status.
int Executer(const Options& options, int entree, std::ostream& sortie, std::ostream& erreurs,
             bool viderAvantLecture = false);

} // namespace cli
