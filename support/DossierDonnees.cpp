// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DossierDonnees.h"

namespace dossiers {

namespace fs = std::filesystem;

bool ContientLexiques(const std::string& dossier) {
    std::error_code erreur;
    for (char lettre = 'A'; lettre <= 'H'; ++lettre) {
        const fs::path fichier = fs::path(dossier) / (std::string("except_") + lettre + ".lex");
        if (fs::is_regular_file(fichier, erreur)) {
            return true;
        }
    }
    return false;
}

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

std::optional<std::string> DossierDonneesPresDuProgramme(const fs::path& programme) {
    std::error_code erreur;
    const fs::path executable =
        programme.empty() ? fs::read_symlink("/proc/self/exe", erreur) : programme;
    if (erreur) {
        return std::nullopt;
    }
    return DossierDonneesPres(executable, ADJORA_DONNEES_DEPUIS_BINAIRES);
}

std::optional<std::string> PremierDossier(const std::vector<std::string>& candidats,
                                          const std::function<bool(const std::string&)>& contient) {
    for (const std::string& dossier : candidats) {
        if (!dossier.empty() && contient(dossier)) {
            return dossier;
        }
    }
    return std::nullopt;
}

bool ExecuterDans(const std::string& dossier, const std::function<void()>& action) {
    std::error_code erreur;
    const fs::path precedent = fs::current_path(erreur);
    if (erreur) {
        return false;
    }
    fs::current_path(dossier, erreur);
    if (erreur) {
        return false;
    }
    action();
    fs::current_path(precedent, erreur);
    return true;
}

} // namespace dossiers
