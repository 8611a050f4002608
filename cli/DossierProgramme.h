// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The data directory of an installed adjora-cli, found from its own location.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace cli {

// `relatif` taken from the directory of `executable`, when it holds lexicons.
std::optional<std::string> DossierDonneesPres(const std::filesystem::path& executable,
                                              const std::string& relatif);

// The installed data directory as seen from the running program
// (<bindir>/../share/adjora for the default layout), when it holds lexicons.
// An installed copy so finds its own lexicons under any prefix, a DESTDIR
// staging root or an unpacked package included; a build-tree copy finds none.
std::optional<std::string> DossierDonneesPresDuProgramme();

} // namespace cli
