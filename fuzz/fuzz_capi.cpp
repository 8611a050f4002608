// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the C API: the first byte chooses the call (analysis, inflection,
// CoNLL-U line) and its options, the rest is the text given (an embedded NUL
// ends it). Every answer must be a known status with terminated, valid UTF-8
// results, the same on a second call; a CoNLL-U line must fit the size it
// asks for, and a buffer one byte short must be left untouched.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "AdjoraConfig.h"
#include "PagesDeCode.h"
#include "adjora.h"

namespace {

adjora* poignee = nullptr;

void Verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Terminated within its `taille` bytes, and valid UTF-8.
void VerifierTexte(const char* texte, std::size_t taille) {
    const void* fin = std::memchr(texte, '\0', taille);
    Verifier(fin != nullptr);
    const std::string_view vue(texte, static_cast<const char*>(fin) - texte);
    std::size_t i = 0;
    char32_t point = 0;
    while (i < vue.size()) {
        Verifier(pages::LireUtf8(vue, i, point));
    }
}

void VerifierStatut(adjora_statut statut) {
    Verifier(statut >= ADJORA_ERREUR_MEMOIRE && statut <= ADJORA_LIGNE_COPIEE);
    Verifier(statut != ADJORA_ERREUR_ARGUMENT && statut != ADJORA_ERREUR_MEMOIRE);
}

std::string Analyser(const char* texte, unsigned options) {
    adjora_analyse analyse;
    const adjora_statut statut = adjora_analyser(poignee, texte, options, &analyse);
    VerifierStatut(statut);
    VerifierTexte(analyse.lemme, sizeof analyse.lemme);
    VerifierTexte(analyse.explication, sizeof analyse.explication);
    Verifier(analyse.genre <= ADJORA_GENRE_INVARIABLE);
    Verifier(analyse.nombre <= ADJORA_NOMBRE_INVARIABLE);
    return std::to_string(statut) + analyse.lemme + analyse.explication;
}

std::string Flechir(const char* texte) {
    auto paradigme = std::make_unique<adjora_paradigme>();
    const adjora_statut statut = adjora_flechir(poignee, texte, paradigme.get());
    VerifierStatut(statut);
    std::string reponse = std::to_string(statut) + paradigme->lemme;
    VerifierTexte(paradigme->lemme, sizeof paradigme->lemme);
    for (const adjora_cellule& cellule : paradigme->cellules) {
        Verifier(cellule.nb >= 0 && cellule.nb <= ADJORA_MAX_FORMES);
        for (int i = 0; i < cellule.nb; ++i) {
            VerifierTexte(cellule.formes[i].mot, sizeof cellule.formes[i].mot);
            VerifierTexte(cellule.formes[i].explication, sizeof cellule.formes[i].explication);
            reponse += cellule.formes[i].mot;
        }
    }
    return reponse;
}

std::string Conllu(const char* ligne, unsigned options) {
    size_t requis = 0;
    Verifier(adjora_conllu(poignee, ligne, options, nullptr, 0, &requis) == ADJORA_ERREUR_TAMPON);
    Verifier(requis >= 1);
    std::vector<char> tampon(requis + 1, '#');
    size_t encore = 0;
    Verifier(adjora_conllu(poignee, ligne, options, tampon.data(), requis - 1, &encore) ==
             ADJORA_ERREUR_TAMPON);
    Verifier(encore == requis);
    Verifier(std::string_view(tampon.data(), tampon.size()) == std::string(tampon.size(), '#'));
    const adjora_statut statut =
        adjora_conllu(poignee, ligne, options, tampon.data(), requis, &encore);
    VerifierStatut(statut);
    Verifier(statut != ADJORA_ERREUR_TAMPON);
    Verifier(std::strlen(tampon.data()) + 1 == requis);
    Verifier(tampon[requis] == '#');
    return std::to_string(statut) + tampon.data();
}

std::string Appeler(std::uint8_t choix, const char* texte) {
    const unsigned options = (choix & 4) != 0 ? ADJORA_EXPLICATION : 0;
    switch (choix % 3) {
    case 0:
        return Analyser(texte, options);
    case 1:
        return Flechir(texte);
    default:
        return Conllu(texte, options);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* dossier = std::getenv("ADJORA_FUZZ_DONNEES");
    Verifier(adjora_ouvrir(dossier != nullptr ? dossier : ADJORA_DONNEES_BUILD, nullptr, nullptr,
                           &poignee) == ADJORA_OK);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) {
        return 0;
    }
    const std::string texte(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
    const std::string premier = Appeler(donnees[0], texte.c_str());
    Verifier(Appeler(donnees[0], texte.c_str()) == premier);
    return 0;
}
