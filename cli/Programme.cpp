// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Programme.h"

#include <cerrno>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

#include "AdjoraConfig.h"
#include "Analyseur.h"
#include "Conllu.h"
#include "DossierDonnees.h"
#include "Formes.h"
#include "Lemmatiseur.h"
#include "Lexiques.h"
#include "Mots.h"
#include "Paradigmes.h"
#include "Sortie.h"

namespace cli {

namespace {

const char* const PROGRAMME = "adjora-cli : ";
const std::string_view BOM = "\xEF\xBB\xBF";

std::string RaisonEcriture(int erreur) {
    switch (erreur) {
    case ENOSPC:
        return "plus de place sur le disque";
    case EPIPE:
        return "le programme qui la lisait l'a fermée";
    default:
        return "erreur d'entrée-sortie (errno " + std::to_string(erreur) + ")";
    }
}

class Execution {
  public:
    Execution(const Options& options, std::istream& entree, std::ostream& sortie,
              std::ostream& erreurs)
        : options_(options), entree_(entree), sortie_(sortie), erreurs_(erreurs),
          analyseur_(options.explication) {}

    int Lancer() {
        if (options_.mots.empty()) {
            Flux(entree_, "");
        }
        for (std::size_t i = 0; i < options_.mots.size() && Ecrit(); ++i) {
            if (options_.mots[i] == "-") {
                Flux(entree_, "");
            } else if (options_.conllu) {
                Fichier(options_.mots[i]);
            } else {
                Mot(options_.mots[i], "argument " + std::to_string(i + 1));
            }
        }
        sortie_.flush();
        if (!Ecrit()) {
            erreurs_ << PROGRAMME
                     << "impossible d'écrire la sortie : " << RaisonEcriture(erreurEcriture_)
                     << '\n';
            return SORTIE_ECRITURE;
        }
        return refus_ ? SORTIE_MOT_REFUSE : SORTIE_SUCCES;
    }

  private:
    // True while the output takes what is written; keeps the first errno.
    bool Ecrit() {
        if (!sortie_ && erreurEcriture_ == 0) {
            erreurEcriture_ = errno != 0 ? errno : EIO;
        }
        return static_cast<bool>(sortie_);
    }

    void Signaler(const std::string& lieu, const std::string& texte, bool refus) {
        erreurs_ << PROGRAMME << lieu << " : " << texte << '\n';
        refus_ = refus_ || refus;
    }

    void Mot(std::string_view brut, const std::string& lieu) {
        const std::string_view mot = Rogner(brut);
        const MotPrepare prepare = PreparerMot(mot);
        if (!prepare.accepte) {
            Signaler(lieu, prepare.erreur, true);
            return;
        }
        if (!prepare.remarque.empty()) {
            Signaler(lieu, prepare.remarque, false);
        }
        if (options_.formes) {
            sortie_ << FormaterFormes(mot, prepare.mot1252, options_.format, options_.explication);
            return;
        }
        const Reponse& reponse = analyseur_.Analyser(prepare.mot1252);
        sortie_ << (options_.format == Format::Jsonl
                        ? FormaterJson(mot, reponse, options_.explication)
                        : FormaterLigne(mot, reponse, options_.explication));
    }

    void LigneConllu(std::string_view ligne, const std::string& nom, std::size_t numero) {
        tampon_.clear();
        const cli::LigneConllu resultat =
            TraiterLigneConllu(ligne, analyseur_, options_.explication, tampon_);
        tampon_ += '\n';
        sortie_.write(tampon_.data(), static_cast<std::streamsize>(tampon_.size()));
        if (!resultat.erreur.empty()) {
            Signaler(Lieu(nom, numero), resultat.erreur, true);
        } else if (!resultat.remarque.empty()) {
            Signaler(Lieu(nom, numero), resultat.remarque, false);
        }
    }

    static std::string Lieu(const std::string& nom, std::size_t numero) {
        return (nom.empty() ? "" : nom + ", ") + "ligne " + std::to_string(numero);
    }

    // Every line of `flux`; a byte order mark that opens it is skipped.
    void Flux(std::istream& flux, const std::string& nom) {
        std::string ligne;
        for (std::size_t numero = 1; std::getline(flux, ligne) && Ecrit(); ++numero) {
            std::string_view texte = ligne;
            if (numero == 1 && texte.starts_with(BOM)) {
                texte.remove_prefix(BOM.size());
            }
            if (options_.conllu) {
                LigneConllu(texte, nom, numero);
            } else if (!Rogner(texte).empty()) {
                Mot(texte, Lieu(nom, numero));
            }
        }
    }

    void Fichier(const std::string& chemin) {
        std::ifstream fichier(chemin, std::ios::binary);
        if (!fichier) {
            erreurs_ << PROGRAMME << "impossible d'ouvrir le fichier " << chemin << '\n';
            refus_ = true;
            return;
        }
        Flux(fichier, chemin);
    }

    const Options& options_;
    std::istream& entree_;
    std::ostream& sortie_;
    std::ostream& erreurs_;
    Analyseur analyseur_;
    std::string tampon_;
    bool refus_ = false;
    int erreurEcriture_ = 0;
};

int Ecrire(std::ostream& sortie, std::ostream& erreurs, const std::string& texte) {
    sortie << texte << std::flush;
    if (!sortie) {
        erreurs << PROGRAMME << "impossible d'écrire la sortie : " << RaisonEcriture(errno) << '\n';
        return SORTIE_ECRITURE;
    }
    return SORTIE_SUCCES;
}

} // namespace

int Executer(const Options& options, std::istream& entree, std::ostream& sortie,
             std::ostream& erreurs) {
    if (!options.erreur.empty()) {
        erreurs << PROGRAMME << options.erreur << "\n"
                << "Essayez « adjora-cli --help » pour plus d'informations.\n";
        return SORTIE_USAGE;
    }
    if (options.aide || options.version) {
        return Ecrire(sortie, erreurs, options.aide ? TexteAide() : TexteVersion());
    }
    // --lexiques; else the data installed beside this copy; else the source
    // tree's data/ (a run from the build tree); else the installed folder.
    const std::string dossier =
        options.lexiques
            ? *options.lexiques
            : dossiers::PremierDossier(
                  {dossiers::DossierDonneesPresDuProgramme().value_or(""), ADJORA_DONNEES_BUILD})
                  .value_or(ADJORA_DONNEES_INSTALL);
    std::string raison;
    if (!ChargerLexiques(dossier, raison, options.formes)) {
        erreurs << PROGRAMME << raison << '\n';
        return SORTIE_USAGE;
    }
    const int statut = Execution(options, entree, sortie, erreurs).Lancer();
    LibererExceptions();
    LibererParadigmes();
    return statut;
}

} // namespace cli
