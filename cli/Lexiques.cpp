// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lexiques.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "DossierDonnees.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "Paradigmes.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

// Sends standard output to standard error while alive.
class SortieVersErreurs {
  public:
    SortieVersErreurs() {
        std::fflush(stdout);
        sauvegarde_ = dup(STDOUT_FILENO);
        if (sauvegarde_ >= 0) {
            dup2(STDERR_FILENO, STDOUT_FILENO);
        }
    }
    ~SortieVersErreurs() {
        std::fflush(stdout);
        if (sauvegarde_ >= 0) {
            dup2(sauvegarde_, STDOUT_FILENO);
            close(sauvegarde_);
        }
    }
    SortieVersErreurs(const SortieVersErreurs&) = delete;
    SortieVersErreurs& operator=(const SortieVersErreurs&) = delete;

  private:
    int sauvegarde_ = -1;
};

} // namespace

bool ChargerLexiques(const std::string& dossier, std::string& erreur,
                     std::vector<std::string>& enDefaut, bool paradigmes) {
    std::error_code code;
    if (!fs::is_directory(dossier, code)) {
        erreur = "dossier des lexiques introuvable : " + dossier;
        return false;
    }
    if (!dossiers::ContientLexiques(dossier)) {
        erreur =
            "le dossier " + dossier + " ne contient aucun lexique (except_A.lex à except_H.lex)";
        return false;
    }
    SortieVersErreurs redirection;
    // Each report is shown as before, and its file noted.
    PresentateurErreur suivant;
    suivant = InstallerPresentateur([&](const char* rapport, const char* titre) {
        const std::string fichier = FichierRapporte();
        const std::string nom = fichier.empty() ? dossier : fichier;
        if (std::find(enDefaut.begin(), enDefaut.end(), nom) == enDefaut.end()) {
            enDefaut.push_back(nom);
        }
        return suivant(rapport, titre);
    });
    ChargerExceptions(dossier.c_str());
    if (paradigmes) {
        ChargerParadigmes(FICHIER_PARADIGMES, dossier.c_str());
    }
    InstallerPresentateur(suivant);
    return true;
}

} // namespace cli
