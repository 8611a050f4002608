// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading and lookup of the paradigm lexicon.
#include "Paradigmes.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <unordered_map>

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

// Hashes a std::string key or a std::string_view probe alike, so that a
// lookup needs no temporary string.
struct HachageMot {
    using is_transparent = void;
    std::size_t operator()(std::string_view mot) const {
        return std::hash<std::string_view>{}(mot);
    }
};
using TableMots = std::unordered_map<std::string, std::uint32_t, HachageMot, std::equal_to<>>;

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

// Faulty entries, skipped and reported once for the whole file: a damaged
// file must not raise one report (one box in the window) per entry.
struct EntreesFautives {
    std::size_t tropLongues = 0;
    std::size_t incompletes = 0;
};

void Enregistrer(EntreeLue& lue, EntreesFautives& fautives) {
    if (!lue.mots) {
        return;
    }
    if (lue.tropLongue) {
        ++fautives.tropLongues;
        return;
    }
    if (lue.separateurs != NB_CASES - 1 || lue.cases[CASE_MS].empty()) {
        ++fautives.incompletes;
        return;
    }
    const auto numero = static_cast<std::uint32_t>(entrees.size());
    if (!parLemme.try_emplace(lue.cases[CASE_MS].front(), numero).second) {
        return; // a later entry of the same lemma
    }
    for (const auto& formes : lue.cases) {
        for (const std::string& forme : formes) {
            parForme.try_emplace(forme, numero); // the first entry keeps a form
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

void SignalerFautives(const char* message, std::size_t nombre) {
    if (nombre > 0) {
        const std::string texte = message + std::to_string(nombre) + " entrée(s) ignorée(s)."_cp850;
        Signaler(texte.c_str());
    }
}

void Lire(std::FILE* fichier, EntreesFautives& fautives) {
    EntreeLue lue;
    char mot[TAILLE_LECTURE] = {};
    std::uint16_t longueur = 0;
    for (;;) {
        const std::uint8_t code = fLireMot(fichier, mot, &longueur, TAILLE_LECTURE);
        if (code == FIN_FICHIER) {
            break;
        }
        if (entrees.size() == NB_MAX_PARADIGMES) { // a word beyond a full lexicon
            Signaler("Lexique plein : seuls les 65535 premiers paradigmes sont lus.");
            return;
        }
        const std::string_view lu(mot);
        if (lu == FIN_ENTREE) {
            Enregistrer(lue, fautives);
            lue = EntreeLue{};
        } else if (lu == SEPARATEUR_CASES) {
            lue.Separer();
        } else {
            lue.Ajouter(EnCp1252(mot));
        }
        if (code == DERNIER_MOT) {
            break;
        }
    }
    Enregistrer(lue, fautives); // the last entry may lack its "--"
}

} // namespace

void ChargerParadigmes(const char* nom, const char* dossier) {
    LibererParadigmes();
    const RapportSurFichier rapport(CheminDans(dossier, nom).c_str());
    const FichierEnMemoire fichier(nom, TAILLE_MAX_PARADIGMES, dossier);
    if (fichier.Flux() == nullptr) {
        return;
    }
    EntreesFautives fautives;
    try {
        Lire(fichier.Flux(), fautives);
        SignalerFautives("Paradigme incomplet ! ", fautives.incompletes);
        SignalerFautives("Trop de formes dans un paradigme ! ", fautives.tropLongues);
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
    const auto trouve = parLemme.find(lemme);
    return trouve == parLemme.end() ? nullptr : &entrees[trouve->second];
}

const char* LemmeDeFormeListee(std::string_view forme) {
    const auto trouve = parForme.find(forme);
    return trouve == parForme.end() ? nullptr : entrees[trouve->second][CASE_MS].front().c_str();
}
