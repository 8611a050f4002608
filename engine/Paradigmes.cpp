// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading and lookup of the paradigm lexicon.
#include "Paradigmes.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "Fichiers.h"
#include "Flexion.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

namespace {

// Buffer of the word reader, as for the other lexicons: 49 characters.
constexpr std::uint16_t TAILLE_LECTURE = 50;
// A paradigm file is read up to this size and this many entries, as the
// other lexicons are: far beyond the shipped file (about 1,000 entries).
constexpr std::size_t TAILLE_MAX_PARADIGMES = std::size_t{4} << 20;
constexpr std::size_t NB_MAX_PARADIGMES = UINT16_MAX;
const char* const SEPARATEUR_CASES = "-";
const char* const FIN_ENTREE = "--";

// Words to numbers, by open addressing: a lookup hashes the word once and
// compares it with about one key.
class TableMots {
  public:
    // False, and nothing changed, when the word is already there.
    bool Inserer(std::string mot, std::uint32_t valeur) {
        if (2 * (mots_.size() + 1) > cases_.size()) {
            Agrandir();
        }
        std::uint32_t& c = cases_[Case(mot)];
        if (c != 0) {
            return false;
        }
        mots_.push_back(std::move(mot));
        valeurs_.push_back(valeur);
        c = static_cast<std::uint32_t>(mots_.size());
        return true;
    }
    const std::uint32_t* Trouver(std::string_view mot) const {
        if (cases_.empty()) {
            return nullptr;
        }
        const std::uint32_t c = cases_[Case(mot)];
        return c == 0 ? nullptr : &valeurs_[c - 1];
    }

  private:
    static std::size_t Hacher(std::string_view mot) {
        std::uint32_t h = 2166136261u; // FNV-1a
        for (const char c : mot) {
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        }
        return h;
    }
    // The slot holding `mot`, or the free slot where it would go.
    std::size_t Case(std::string_view mot) const {
        const std::size_t masque = cases_.size() - 1;
        std::size_t c = Hacher(mot) & masque;
        while (cases_[c] != 0 && mots_[cases_[c] - 1] != mot) {
            c = (c + 1) & masque;
        }
        return c;
    }
    void Agrandir() {
        cases_.assign(std::max<std::size_t>(64, 2 * cases_.size()), 0);
        for (std::uint32_t i = 0; i < mots_.size(); ++i) {
            cases_[Case(mots_[i])] = i + 1;
        }
    }

    std::vector<std::string> mots_;
    std::vector<std::uint32_t> valeurs_;
    std::vector<std::uint32_t> cases_; // a word's number + 1, 0 when free
};

std::vector<CasesListees> entrees;
TableMots parLemme; // lemma -> entry
TableMots parForme; // any form -> first entry that holds it

void Signaler(const char* message) {
    MessageErreur(message, "Lemmatiseur", "ChargerParadigmes");
}

// One entry being read: its cells so far and what went wrong.
struct EntreeLue {
    CasesListees cases;
    std::size_t separateurs = 0;
    bool mots = false;
    bool tropLongue = false;

    void Ajouter(std::string mot) {
        mots = true;
        if (separateurs >= NB_CASES || cases[separateurs].size() >= MAX_FORMES) {
            tropLongue = true;
        } else {
            cases[separateurs].push_back(std::move(mot));
        }
    }
    void Separer() {
        mots = true;
        tropLongue = tropLongue || ++separateurs >= NB_CASES;
    }
};

void Enregistrer(EntreeLue& lue) {
    if (!lue.mots) {
        return;
    }
    if (lue.tropLongue) {
        Signaler("Trop de formes dans un paradigme !");
        return;
    }
    if (lue.separateurs != NB_CASES - 1 || lue.cases[CASE_MS].empty()) {
        Signaler("Paradigme incomplet !");
        return;
    }
    const auto numero = static_cast<std::uint32_t>(entrees.size());
    if (!parLemme.Inserer(lue.cases[CASE_MS].front(), numero)) {
        return; // a later entry of the same lemma
    }
    for (const auto& formes : lue.cases) {
        for (const std::string& forme : formes) {
            parForme.Inserer(forme, numero);
        }
    }
    entrees.push_back(std::move(lue.cases));
}

std::string EnCp1252(const char* lu) {
    std::string mot(lu);
    for (char& c : mot) {
        c = pages::Cp850VersCp1252(c);
    }
    return mot;
}

void Lire(std::FILE* fichier) {
    EntreeLue lue;
    char mot[TAILLE_LECTURE] = {};
    std::uint16_t longueur = 0;
    for (;;) {
        const std::uint8_t code = fLireMot(fichier, mot, &longueur, TAILLE_LECTURE);
        if (code == FIN_FICHIER) {
            break;
        }
        const std::string_view lu(mot);
        if (lu == FIN_ENTREE) {
            Enregistrer(lue);
            lue = EntreeLue{};
            if (entrees.size() == NB_MAX_PARADIGMES) { // the rest is not read
                Signaler("Lexique plein : seuls les 65535 premiers paradigmes sont lus.");
                return;
            }
        } else if (lu == SEPARATEUR_CASES) {
            lue.Separer();
        } else {
            lue.Ajouter(EnCp1252(mot));
        }
        if (code == DERNIER_MOT) {
            break;
        }
    }
    Enregistrer(lue); // the last entry may lack its "--"
}

} // namespace

void ChargerParadigmes(const char* nom) {
    LibererParadigmes();
    const RapportSurFichier rapport(nom);
    const FichierEnMemoire fichier(nom, TAILLE_MAX_PARADIGMES);
    if (fichier.Flux() == nullptr) {
        return;
    }
    try {
        Lire(fichier.Flux());
    } catch (const std::bad_alloc&) {
        LibererParadigmes();
        Signaler("Mémoire saturée ! Impossible de charger les paradigmes."_cp850);
    }
}

void LibererParadigmes() {
    entrees = {};
    parLemme = {};
    parForme = {};
}

std::size_t NbParadigmes() {
    return entrees.size();
}

const CasesListees* ParadigmeListe(std::string_view lemme) {
    const std::uint32_t* numero = parLemme.Trouver(lemme);
    return numero == nullptr ? nullptr : &entrees[*numero];
}

const char* LemmeDeFormeListee(std::string_view forme) {
    const std::uint32_t* numero = parForme.Trouver(forme);
    return numero == nullptr ? nullptr : entrees[*numero][CASE_MS].front().c_str();
}
