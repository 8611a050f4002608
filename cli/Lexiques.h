// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Where adjora-cli finds its lexicons, and their loading.
#pragma once

#include <string>
#include <vector>

namespace cli {

// Loads the eight lexicons from `dossier`, and the paradigm lexicon too when
// `paradigmes`. The reader's "cannot open" lines are sent to standard error so
// that standard output carries results only. Returns false, with a French
// reason, when the directory does not exist or holds none of the eight
// files (nothing loaded). `enDefaut` receives the path of each file that was
// reported while loading (missing, unreadable or faulty), once.
bool ChargerLexiques(const std::string& dossier, std::string& erreur,
                     std::vector<std::string>& enDefaut, bool paradigmes = false);

} // namespace cli
