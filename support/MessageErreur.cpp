// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessageErreur.h"

#include "AdjoraConfig.h"
#include "PagesDeCode.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

namespace {

// Appends texts to a fixed buffer, dropping whatever does not fit; the buffer
// always stays NUL-terminated.
class Redacteur {
  public:
    explicit Redacteur(char (&tampon)[TAILLE_RAPPORT]) : tampon_(tampon) { tampon_[0] = '\0'; }

    void Ajouter(const char* texte) {
        if (texte == nullptr) {
            return;
        }
        const std::size_t place = TAILLE_RAPPORT - 1 - longueur_;
        const std::size_t n = std::min(std::strlen(texte), place);
        std::memcpy(tampon_ + longueur_, texte, n);
        longueur_ += n;
        tampon_[longueur_] = '\0';
    }

    std::size_t Longueur() const { return longueur_; }

  private:
    char (&tampon_)[TAILLE_RAPPORT];
    std::size_t longueur_ = 0;
};

PresentateurErreur& Presentateur() {
    static PresentateurErreur presentateur = PresenterSurErreurStandard;
    return presentateur;
}

// The file line stays short enough for the rest of the report to fit.
constexpr std::size_t LONGUEUR_LIGNE_FICHIER = 160;

thread_local RapportSurFichier* fichierCourant = nullptr;
thread_local CaptureRapports* captureCourante = nullptr;

std::string CheminAbsolu(const char* fichier) {
    std::error_code erreur;
    const std::filesystem::path chemin = std::filesystem::absolute(fichier, erreur);
    return erreur ? std::string(fichier) : chemin.lexically_normal().string();
}

// Path (UTF-8) and reason (code page 850) as one code page 850 text; a path
// too long keeps its end, the file's own name.
std::string LigneFichier(const std::string& chemin, const char* raison) {
    std::string ligne = pages::Utf8VersCp850(chemin);
    const std::string suite = raison != nullptr ? std::string(" (") + raison + ")" : "";
    const std::size_t place = LONGUEUR_LIGNE_FICHIER - std::min(suite.size(), std::size_t{80});
    if (ligne.size() > place) {
        ligne = "..." + ligne.substr(ligne.size() - (place - 3));
    }
    return (ligne + suite).substr(0, LONGUEUR_LIGNE_FICHIER);
}

} // namespace

const char* TitreRapport() {
    return "Erreur à l'execution"_cp850;
}

std::size_t ComposerRapport(char (&tampon)[TAILLE_RAPPORT], const char* message, const char* module,
                            const char* fonction) {
    Redacteur r(tampon);
    r.Ajouter("Erreur !\n\n* MESSAGE : ");
    r.Ajouter(message);
    r.Ajouter("\n* MODULE : ");
    r.Ajouter(module);
    r.Ajouter("\n* FONCTION : ");
    r.Ajouter(fonction);
    if (fichierCourant != nullptr) {
        r.Ajouter("\n* FICHIER : ");
        r.Ajouter(fichierCourant->Ligne().c_str());
    }
    r.Ajouter("\n\n");
    r.Ajouter("Reportez toute erreur afin qu'elle soit corrigée à\n"_cp850);
    r.Ajouter(pages::kTexte850<ADJORA_MAINTENEUR_NOM " : " ADJORA_MAINTENEUR_EMAIL>.data());
    r.Ajouter("\nMerci !");
    return r.Longueur();
}

int MessageErreur(const char* message, const char* module, const char* fonction) {
    if (captureCourante != nullptr) {
        std::string texte = message != nullptr ? message : "";
        if (fichierCourant != nullptr && !fichierCourant->Raison().empty()) {
            texte += " (" + fichierCourant->Raison() + ")";
        }
        captureCourante->Recevoir(pages::Cp850VersUtf8(texte));
        return 1;
    }
    char rapport[TAILLE_RAPPORT];
    ComposerRapport(rapport, message, module, fonction);
    const PresentateurErreur& presenter = Presentateur();
    return presenter ? presenter(rapport, TitreRapport()) : 0;
}

void MessageAvertissement(const char* /*message*/) {}

RapportSurFichier::RapportSurFichier(const char* fichier, const char* raison)
    : chemin_(CheminAbsolu(fichier != nullptr ? fichier : "")),
      raison_(raison != nullptr ? raison : ""), ligne_(LigneFichier(chemin_, raison)),
      precedent_(fichierCourant) {
    fichierCourant = this;
}

RapportSurFichier::~RapportSurFichier() {
    fichierCourant = precedent_;
}

CaptureRapports::CaptureRapports(RecepteurRapports recepteur)
    : recepteur_(std::move(recepteur)), precedente_(captureCourante) {
    captureCourante = this;
}

CaptureRapports::~CaptureRapports() {
    captureCourante = precedente_;
}

void CaptureRapports::Recevoir(const std::string& message) const {
    if (recepteur_) {
        recepteur_(FichierRapporte(), message);
    }
}

bool CapturerAnnonce(const std::string& annonce) {
    if (captureCourante == nullptr) {
        return false;
    }
    captureCourante->Recevoir(annonce);
    return true;
}

std::string FichierRapporte() {
    return fichierCourant != nullptr ? fichierCourant->Chemin() : std::string();
}

PresentateurErreur InstallerPresentateur(PresentateurErreur presentateur) {
    if (!presentateur) {
        presentateur = PresenterSurErreurStandard;
    }
    return std::exchange(Presentateur(), std::move(presentateur));
}

int PresenterSurErreurStandard(const char* rapport, const char* titre) {
    std::string texte(1, '\n');
    texte += pages::Cp850VersUtf8(titre ? titre : "");
    texte += '\n';
    texte += pages::Cp850VersUtf8(rapport ? rapport : "");
    texte += "\n\n";
    std::fputs(texte.c_str(), stderr);
    std::fflush(stderr);
    return 1;
}
