// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Programme.h"

#include <cerrno>
#include <fcntl.h>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "AdjoraConfig.h"
#include "Analyseur.h"
#include "Conllu.h"
#include "DossierDonnees.h"
#include "Formes.h"
#include "Lecteur.h"
#include "Lemmatiseur.h"
#include "Lexiques.h"
#include "Mots.h"
#include "Paradigmes.h"
#include "Sortie.h"

namespace cli {

using texte::Analyseur;
using texte::LigneConllu;
using texte::MotPrepare;
using texte::PreparationMot;
using texte::PreparerMot;
using texte::Reponse;
using texte::Rogner;
using texte::TraiterLigneConllu;

namespace {

// A CoNLL-U line rewritten here is one the C library rewrites too.
static_assert(LecteurLignes::TAILLE_MORCEAU - 1 == texte::LONGUEUR_LIGNE_CONLLU);

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

std::string RaisonLecture(int erreur) {
    switch (erreur) {
    case EISDIR:
        return "c'est un dossier";
    case EBADF:
        return "entrée fermée";
    case EIO:
        return "erreur d'entrée-sortie";
    default:
        return "erreur système (errno " + std::to_string(erreur) + ")";
    }
}

class Execution {
  public:
    Execution(const Options& options, int entree, std::ostream& sortie, std::ostream& erreurs,
              bool viderAvantLecture)
        : options_(options), entree_(entree), sortie_(sortie), erreurs_(erreurs),
          aVider_(viderAvantLecture ? &sortie : nullptr), analyseur_(options.explication) {}

    // `lexiqueEnDefaut`: a lexicon was reported while loading.
    int Lancer(bool lexiqueEnDefaut) {
        if (options_.mots.empty()) {
            Flux(entree_, "");
        }
        for (std::size_t i = 0; i < options_.mots.size() && Ecrit(); ++i) {
            if (options_.mots[i] == "-") {
                Flux(entree_, "");
            } else if (options_.conllu) {
                Fichier(options_.mots[i]);
            } else {
                const std::string argument = "argument " + std::to_string(i + 1);
                Mot(options_.mots[i], Lieu{argument});
            }
        }
        sortie_.flush();
        if (!Ecrit()) {
            erreurs_ << PROGRAMME
                     << "impossible d'écrire la sortie : " << RaisonEcriture(erreurEcriture_)
                     << '\n';
            return SORTIE_ECRITURE;
        }
        if (lectureInterrompue_) {
            return SORTIE_LECTURE;
        }
        if (lexiqueEnDefaut) {
            return SORTIE_LEXIQUE;
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

    // Where a word comes from: line `numero` of the stream `nom` (standard
    // input when empty), or an argument that `nom` names when `numero` is 0.
    // Its text is built only for a message.
    struct Lieu {
        std::string_view nom;
        std::size_t numero = 0;
    };

    static std::string Texte(const Lieu& lieu) {
        if (lieu.numero == 0) {
            return std::string(lieu.nom);
        }
        const std::string ligne = "ligne " + std::to_string(lieu.numero);
        return lieu.nom.empty() ? ligne : std::string(lieu.nom) + ", " + ligne;
    }

    void Signaler(const Lieu& lieu, const std::string& texte, bool refus) {
        erreurs_ << PROGRAMME << Texte(lieu) << " : " << texte << '\n';
        refus_ = refus_ || refus;
    }

    void Mot(std::string_view brut, const Lieu& lieu) {
        const std::string_view mot = Rogner(brut);
        Repondre(mot, PreparerMot(mot), lieu);
    }

    // The answer for `mot` (the word as given), or its refusal.
    void Repondre(std::string_view mot, const MotPrepare& prepare, const Lieu& lieu) {
        if (!prepare.accepte) {
            Signaler(lieu, prepare.erreur, true);
            return;
        }
        if (!prepare.remarque.empty()) {
            Signaler(lieu, prepare.remarque, false);
        }
        if (!ContientUneLettre(prepare.mot1252.c_str())) {
            sortie_ << FormaterPasUnMot(mot, options_.format == Format::Jsonl);
            return;
        }
        if (options_.formes) {
            sortie_ << FormaterFormes(mot, prepare.mot1252, options_.format, options_.explication);
            return;
        }
        const Reponse& reponse = analyseur_.Analyser(prepare.mot1252);
        sortie_ << (options_.format == Format::Jsonl
                        ? FormaterJson(mot, reponse, options_.explication)
                        : FormaterLigne(mot, reponse, options_.explication, options_.regles));
    }

    // One piece of a word line (see LecteurLignes::Lire).
    void MorceauMot(std::string_view morceau, bool debut, bool fin, const Lieu& lieu) {
        if (debut) {
            preparation_ = PreparationMot();
        }
        preparation_.Ajouter(morceau);
        if (fin && !preparation_.Vide()) {
            std::string donne;
            const MotPrepare prepare = preparation_.Finir(donne);
            Repondre(donne, prepare, lieu);
        }
    }

    // One piece of a CoNLL-U line. A line that comes whole is rewritten, its
    // CR before the line feed kept out of the columns and written back; a
    // longer one is copied as it comes.
    void MorceauConllu(std::string_view morceau, bool debut, bool fin, const Lieu& lieu) {
        if (debut && fin) {
            const bool retour = morceau.ends_with('\r');
            morceau.remove_suffix(retour ? 1 : 0);
            tampon_.clear();
            const LigneConllu resultat =
                TraiterLigneConllu(morceau, analyseur_, options_.explication, tampon_);
            tampon_ += retour ? "\r\n" : "\n";
            sortie_.write(tampon_.data(), static_cast<std::streamsize>(tampon_.size()));
            if (!resultat.erreur.empty()) {
                Signaler(lieu, resultat.erreur, true);
            } else if (!resultat.remarque.empty()) {
                Signaler(lieu, resultat.remarque, false);
            }
            return;
        }
        if (debut && !morceau.starts_with('#')) {
            Signaler(lieu,
                     "ligne de plus de " + std::to_string(LecteurLignes::TAILLE_MORCEAU - 1) +
                         " octets : copiée telle quelle, sans analyse",
                     true);
        }
        sortie_.write(morceau.data(), static_cast<std::streamsize>(morceau.size()));
        if (fin) {
            sortie_.put('\n');
        }
    }

    // Every line read from `descripteur`; a byte order mark that opens it is
    // skipped (written back with --conllu). A read error is named with the
    // line reached.
    void Flux(int descripteur, const std::string& nom) {
        LecteurLignes lecteur(descripteur, aVider_);
        std::string_view morceau;
        bool fin = true;
        std::size_t numero = 0;
        for (bool debut = true; Ecrit() && lecteur.Lire(morceau, fin); debut = fin) {
            numero += debut ? 1 : 0;
            if (numero == 1 && debut && morceau.starts_with(BOM)) {
                morceau.remove_prefix(BOM.size());
                if (options_.conllu) {
                    sortie_ << BOM;
                }
            }
            if (options_.conllu) {
                MorceauConllu(morceau, debut, fin, Lieu{nom, numero});
            } else {
                MorceauMot(morceau, debut, fin, Lieu{nom, numero});
            }
        }
        if (lecteur.Erreur() != 0) {
            const std::size_t atteinte = fin ? numero + 1 : numero;
            const std::string_view flux = nom.empty() ? std::string_view("entrée standard") : nom;
            Signaler(Lieu{flux, atteinte},
                     "lecture impossible : " + RaisonLecture(lecteur.Erreur()), false);
            lectureInterrompue_ = true;
        }
    }

    void Fichier(const std::string& chemin) {
        const int descripteur = open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
        if (descripteur < 0) {
            erreurs_ << PROGRAMME << "impossible d'ouvrir le fichier " << chemin << '\n';
            refus_ = true;
            return;
        }
        Flux(descripteur, chemin);
        close(descripteur);
    }

    const Options& options_;
    int entree_;
    std::ostream& sortie_;
    std::ostream& erreurs_;
    std::ostream* aVider_;
    Analyseur analyseur_;
    PreparationMot preparation_;
    std::string tampon_;
    bool refus_ = false;
    bool lectureInterrompue_ = false;
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

int Executer(const Options& options, int entree, std::ostream& sortie, std::ostream& erreurs,
             bool viderAvantLecture) {
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
    std::vector<std::string> enDefaut;
    if (!ChargerLexiques(dossier, raison, enDefaut, options.formes)) {
        erreurs << PROGRAMME << raison << '\n';
        return SORTIE_USAGE;
    }
    for (const std::string& fichier : enDefaut) {
        const bool paradigmes = fichier.ends_with(std::string("/") + FICHIER_PARADIGMES);
        erreurs << PROGRAMME << fichier << " : lexique manquant ou défectueux (voir le rapport) : "
                << (paradigmes ? "les règles de terminaison donnent les formes qu'il ne donne pas\n"
                               : "les réponses viennent des autres listes\n");
    }
    const int statut =
        Execution(options, entree, sortie, erreurs, viderAvantLecture).Lancer(!enDefaut.empty());
    LibererExceptions();
    LibererParadigmes();
    return statut;
}

} // namespace cli
