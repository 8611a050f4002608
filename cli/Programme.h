// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole run of adjora-cli, streams given, so that tests can drive it.
#pragma once

#include <iosfwd>

#include "Arguments.h"

namespace cli {

// Exit statuses.
inline constexpr int SORTIE_SUCCES = 0;
inline constexpr int SORTIE_MOT_REFUSE = 1; // a word, a line or a file refused
inline constexpr int SORTIE_USAGE = 2;      // usage error, no lexicon directory
inline constexpr int SORTIE_ECRITURE = 3;   // the output could not be written

// Analyses the words of `options` (or the lines of `entree` when there are
// none; "-" stands for `entree`), or with --conllu rewrites the CoNLL-U files
// named (or `entree`), on `sortie`; refusals, notices and usage errors go to
// `erreurs`. Loads the lexicons first. Returns the exit status.
int Executer(const Options& options, std::istream& entree, std::ostream& sortie,
             std::ostream& erreurs);

} // namespace cli
