// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the word file reader and the lexicon loaders: the input's first byte
// chooses the reader's buffer size (2 to 60), the rest is the file's content.
// Every delivered word is checked against a plain split of the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Caracteres.h"
#include "Fichiers.h"
#include "Lemmatiseur.h"
#include "Liste.h"
#include "PagesDeCode.h"
#include "Presentateur.h"

namespace {

constexpr std::uint16_t TAILLE_LEXIQUE = 50; // the loaders' buffer

std::string cheminTemporaire;

void Verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The words of the content, split at every separator byte.
std::vector<std::string> Decouper(const std::uint8_t* donnees, std::size_t taille) {
    std::vector<std::string> mots;
    std::string courant;
    for (std::size_t i = 0; i < taille; ++i) {
        if (EstSeparateur(donnees[i])) {
            if (!courant.empty()) {
                mots.push_back(courant);
                courant.clear();
            }
        } else {
            courant.push_back(static_cast<char>(donnees[i]));
        }
    }
    if (!courant.empty()) {
        mots.push_back(courant);
    }
    return mots;
}

std::size_t MotsTropLongs(const std::vector<std::string>& mots, std::size_t taille) {
    std::size_t n = 0;
    for (const auto& mot : mots) {
        n += mot.size() >= taille - 1 ? 1 : 0;
    }
    return n;
}

// One delivered word: what fits is delivered whole, a longer one is cut.
void VerifierMot(const char* mot, std::uint16_t longueur, std::uint16_t taille,
                 const std::string& attendu) {
    Verifier(longueur >= 1 && longueur <= taille - 1);
    Verifier(mot[longueur] == '\0' && std::strlen(mot) == longueur);
    if (attendu.size() <= static_cast<std::size_t>(taille - 1)) {
        Verifier(attendu == mot);
    }
}

void LireMots(const std::vector<std::string>& attendus, std::uint16_t taille, bool finParMot) {
    std::FILE* f = fOuvrir(cheminTemporaire.c_str(), "r");
    Verifier(f != nullptr);
    // Exactly `taille` bytes on the heap, so that a write past them is caught.
    std::vector<char> tampon(taille, '#');
    std::uint16_t longueur = 0xBEEF;
    std::size_t lus = 0;
    for (;;) {
        const std::uint8_t code = fLireMot(f, tampon.data(), &longueur, taille);
        if (code == FIN_FICHIER) {
            break;
        }
        Verifier(code == MOT_LU || code == DERNIER_MOT);
        Verifier(lus < attendus.size());
        VerifierMot(tampon.data(), longueur, taille, attendus[lus]);
        ++lus;
        if (code == DERNIER_MOT) {
            Verifier(finParMot && lus == attendus.size());
            Verifier(fLireMot(f, tampon.data(), &longueur, taille) == FIN_FICHIER);
            break;
        }
    }
    Verifier(lus == attendus.size());
    // After the end, the reader keeps answering the end and touches nothing.
    const std::vector<char> avant = tampon;
    const std::uint16_t longueurAvant = longueur;
    Verifier(fLireMot(f, tampon.data(), &longueur, taille) == FIN_FICHIER);
    Verifier(tampon == avant && longueur == longueurAvant);
    fFermer(f);
    Verifier(RapportsRecus() == MotsTropLongs(attendus, taille));
}

// The loaders store the file's code page 850 words as Windows-1252.
std::string EnCp1252(const std::string& mot) {
    std::string sortie;
    for (const char c : mot) {
        sortie.push_back(pages::Cp850VersCp1252(c));
    }
    return sortie;
}

void VerifierListe(Liste* liste, const std::vector<std::string>& attendus) {
    Verifier(liste != nullptr && NbElements(liste) == attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i) {
        const char* mot = MotPos(liste, static_cast<Position>(i + 1));
        Verifier(mot != nullptr && std::strlen(mot) <= TAILLE_LEXIQUE - 1);
        if (attendus[i].size() <= TAILLE_LEXIQUE - 1) {
            Verifier(EnCp1252(attendus[i]) == mot);
        }
    }
}

void ChargerLexiques(const std::vector<std::string>& attendus, bool finParMot) {
    Liste* simple = ChargerSimple(cheminTemporaire.c_str());
    VerifierListe(simple, attendus);
    DetruitListeMots(simple);
    Verifier(RapportsRecus() == MotsTropLongs(attendus, TAILLE_LEXIQUE));

    // Pairs in file order; an odd last form stands as its own lemma.
    std::vector<std::string> formes;
    std::vector<std::string> lemmes;
    for (std::size_t i = 0; i < attendus.size(); i += 2) {
        formes.push_back(attendus[i]);
        lemmes.push_back(attendus[i + 1 < attendus.size() ? i + 1 : i]);
    }
    ListeDouble paire{nullptr, nullptr};
    ChargerDouble(cheminTemporaire.c_str(), &paire);
    VerifierListe(paire.Formes, formes);
    VerifierListe(paire.Lemmes, lemmes);
    DetruitListeMots(paire.Formes);
    DetruitListeMots(paire.Lemmes);
    const bool incomplet = attendus.size() % 2 == 1 && finParMot;
    Verifier(RapportsRecus() == MotsTropLongs(attendus, TAILLE_LEXIQUE) + (incomplet ? 1 : 0));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    cheminTemporaire = CreerFichierTemporaire();
    InstallerPresentateurMuet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) {
        return 0;
    }
    const auto tailleTampon = static_cast<std::uint16_t>(2 + donnees[0] % 59);
    const std::uint8_t* contenu = donnees + 1;
    const std::size_t longueur = taille - 1;
    EcrireFichierTemporaire(contenu, longueur);
    RapportsRecus();

    const std::vector<std::string> attendus = Decouper(contenu, longueur);
    if (attendus.size() > 0xFFFF) {
        return 0; // beyond what a word list can count
    }
    const bool finParMot = longueur > 0 && !EstSeparateur(contenu[longueur - 1]);
    LireMots(attendus, tailleTampon, finParMot);
    ChargerLexiques(attendus, finParMot);
    return 0;
}
