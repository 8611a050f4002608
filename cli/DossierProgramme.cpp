// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DossierProgramme.h"

#include "Lexiques.h"

namespace cli {

namespace fs = std::filesystem;

std::optional<std::string> DossierDonneesPres(const fs::path& executable,
                                              const std::string& relatif) {
    if (executable.empty() || relatif.empty()) {
        return std::nullopt;
    }
    const fs::path dossier = (executable.parent_path() / relatif).lexically_normal();
    if (!ContientLexiques(dossier.string())) {
        return std::nullopt;
    }
    return dossier.string();
}

std::optional<std::string> DossierDonneesPresDuProgramme() {
    std::error_code erreur;
    const fs::path executable = fs::read_symlink("/proc/self/exe", erreur);
    if (erreur) {
        return std::nullopt;
    }
    return DossierDonneesPres(executable, ADJORA_DONNEES_DEPUIS_BINAIRES);
}

} // namespace cli
