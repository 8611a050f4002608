// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Where adjora-cli finds its lexicons, and their loading.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace cli {

// True when the directory holds at least one of the files except_A.lex to except_H.lex.
bool ContientLexiques(const std::string& dossier);

// The lexicon directory: the one given with --lexiques; otherwise the source
// tree's data directory when it holds lexicons (a run from the build tree);
// otherwise the installed data directory.
std::string
ChoisirDossierLexiques(const std::optional<std::string>& option, const std::string& dossierSources,
                       const std::string& dossierInstalle,
                       const std::function<bool(const std::string&)>& contient = ContientLexiques);

// Loads the eight lexicons by bare name from `dossier`, then returns to the
// previous current directory. The reader's "cannot open" lines are sent to
// standard error so that standard output carries results only. Returns false,
// with a French reason, when the directory cannot be entered or holds none of
// the eight files (nothing loaded).
bool ChargerLexiques(const std::string& dossier, std::string& erreur);

} // namespace cli
