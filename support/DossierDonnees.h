// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the programs find their shipped data (the eight lexicons and the help
// file): the installed data directory beside the running program, or another
// directory among candidates. Standard library only.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dossiers {

// True when the directory holds at least one of the files except_A.lex to except_H.lex.
bool ContientLexiques(const std::string& dossier);

// `relatif` taken from the directory of `executable`, when it holds lexicons.
std::optional<std::string> DossierDonneesPres(const std::filesystem::path& executable,
                                              const std::string& relatif);

// The installed data directory as seen from `programme`, by default the
// running program (<bindir>/../share/adjora for the default layout), when it
// holds lexicons. An installed copy so finds its own data under any prefix, a
// DESTDIR staging root or an unpacked package included; a build-tree copy
// finds none.
std::optional<std::string>
DossierDonneesPresDuProgramme(const std::filesystem::path& programme = {});

// The first of `candidats` for which `contient` holds (empty ones skipped).
std::optional<std::string>
PremierDossier(const std::vector<std::string>& candidats,
               const std::function<bool(const std::string&)>& contient = ContientLexiques);

// Runs `action` with `dossier` as the current directory, then returns to the
// previous one. False, and nothing run, when `dossier` cannot be entered.
bool ExecuterDans(const std::string& dossier, const std::function<void()>& action);

} // namespace dossiers
