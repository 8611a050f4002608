// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Programme.h"

#include <istream>
#include <ostream>
#include <string>

#include "AdjoraConfig.h"
#include "DossierProgramme.h"
#include "Lemmatiseur.h"
#include "Lexiques.h"
#include "Mots.h"
#include "Sortie.h"

namespace cli {

namespace {

const char* const PROGRAMME = "adjora-cli : ";

class Analyseur {
  public:
    Analyseur(const Options& options, std::ostream& sortie, std::ostream& erreurs)
        : options_(options), sortie_(sortie), erreurs_(erreurs) {}

    // Analyses one word; `lieu` names it in a refusal ("ligne 3").
    void Traiter(std::string_view brut, const std::string& lieu) {
        const std::string_view mot = Rogner(brut);
        const MotPrepare prepare = PreparerMot(mot);
        if (!prepare.accepte) {
            erreurs_ << PROGRAMME << lieu << " : " << prepare.erreur << '\n';
            refus_ = true;
            return;
        }
        Analyse analyse;
        const char* explication = AnalyserAdjectif(prepare.mot1252.c_str(), &analyse);
        sortie_ << FormaterLigne(mot, analyse, explication, options_.explication);
    }

    bool refus() const { return refus_; }

  private:
    const Options& options_;
    std::ostream& sortie_;
    std::ostream& erreurs_;
    bool refus_ = false;
};

} // namespace

int Executer(const Options& options, std::istream& entree, std::ostream& sortie,
             std::ostream& erreurs) {
    if (!options.erreur.empty()) {
        erreurs << PROGRAMME << options.erreur << "\n"
                << "Essayez « adjora-cli --help » pour plus d'informations.\n";
        return SORTIE_USAGE;
    }
    if (options.aide) {
        sortie << TexteAide();
        return SORTIE_SUCCES;
    }
    if (options.version) {
        sortie << TexteVersion();
        return SORTIE_SUCCES;
    }
    // An installed copy prefers the data installed beside it to the source tree's.
    const std::optional<std::string> choisi =
        options.lexiques ? options.lexiques : DossierDonneesPresDuProgramme();
    const std::string dossier =
        ChoisirDossierLexiques(choisi, ADJORA_DONNEES_BUILD, ADJORA_DONNEES_INSTALL);
    std::string raison;
    if (!ChargerLexiques(dossier, raison)) {
        erreurs << PROGRAMME << raison << '\n';
        return SORTIE_USAGE;
    }
    Analyseur analyseur(options, sortie, erreurs);
    if (!options.mots.empty()) {
        for (std::size_t i = 0; i < options.mots.size(); ++i) {
            analyseur.Traiter(options.mots[i], "argument " + std::to_string(i + 1));
        }
    } else {
        std::string ligne;
        for (std::size_t numero = 1; std::getline(entree, ligne); ++numero) {
            if (!Rogner(ligne).empty()) {
                analyseur.Traiter(ligne, "ligne " + std::to_string(numero));
            }
        }
    }
    sortie.flush();
    LibererExceptions();
    return analyseur.refus() ? SORTIE_MOT_REFUSE : SORTIE_SUCCES;
}

} // namespace cli
