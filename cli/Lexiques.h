// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Where adjora-cli finds its lexicons, and their loading.
#pragma once

#include <string>
#include <vector>

namespace cli {

// Loads the eight lexicons by bare name from `dossier`, and the paradigm
// lexicon too when `paradigmes`, then returns to the previous current
// directory. The reader's "cannot open" lines are sent to standard error so
// that standard output carries results only. Returns false, with a French
// reason, when the directory cannot be entered or holds none of the eight
// files (nothing loaded). `enDefaut` receives the path of each file that was
// reported while loading (missing, unreadable or faulty), once.
bool ChargerLexiques(const std::string& dossier, std::string& erreur,
                     std::vector<std::string>& enDefaut, bool paradigmes = false);

} // namespace cli
